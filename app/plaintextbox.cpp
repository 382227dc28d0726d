#include "plaintextbox.h"

#include <QMimeData>

PlainTextBox::PlainTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // A TAB typed here would go into the listing; Tab moves to the next box.
    setTabChangesFocus(true);
}

bool PlainTextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void PlainTextBox::insertFromMimeData(const QMimeData *source)
{
    if (!canInsertFromMimeData(source))
        return;
    const QString text = source->text();
    if (!text.isEmpty())
        insertPlainText(text);
}
