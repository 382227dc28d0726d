#include "sourceview.h"

#include <algorithm>

SourceView::SourceView(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Nothing to undo in a box the user cannot edit; the history would only
    // grow with every keystroke elsewhere.
    setUndoRedoEnabled(false);
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
