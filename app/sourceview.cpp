#include "sourceview.h"

#include <QStyleOptionFrame>
#include <QStylePainter>

#include <algorithm>

SourceView::SourceView(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Nothing to undo in a box the user cannot edit; the history would only
    // grow with every keystroke elsewhere.
    setUndoRedoEnabled(false);
    // A caret the arrow keys move, so that the focus shows and the source can
    // be read and selected from the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

bool SourceView::showText(const QString &text)
{
    if (text == m_shown)
        return false;
    const QStringView before(m_shown), after(text);
    const qsizetype shorter = std::min(before.size(), after.size());
    const qsizetype prefix =
        std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first - before.begin();
    const qsizetype suffix =
        std::mismatch(before.rbegin(), before.rbegin() + (shorter - prefix), after.rbegin()).first -
        before.rbegin();
    // Each character is one position of the document, a lone CR or LF being
    // a block break; only a CR LF pair would make two characters one break,
    // and the binding hands over line breaks as LF.
    // One edit block: the layout hears of the change once, not once per line.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(int(prefix));
    cursor.setPosition(int(before.size() - suffix), QTextCursor::KeepAnchor);
    cursor.insertText(after.sliced(prefix, after.size() - prefix - suffix).toString());
    cursor.endEditBlock();
    m_shown = text;
    return true;
}

// The style marks the focus on a line edit's frame but not on a text box's:
// this box draws the line edit's focused frame over its own, so that the
// user sees where the focus went.
bool SourceView::event(QEvent *event)
{
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::Paint && hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFrame option;
        option.initFrom(this);
        option.lineWidth = frameWidth();
        painter.drawPrimitive(QStyle::PE_FrameLineEdit, option);
    }
    return handled;
}

void SourceView::focusInEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusInEvent(event);
    update();
}

void SourceView::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    update();
}
