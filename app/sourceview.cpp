#include "sourceview.h"

#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextBlock>

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

qsizetype SourceView::showText(const QString &text)
{
    if (text == m_shown)
        return -1;
    const QStringView before(m_shown), after(text);
    const qsizetype shorter = std::min(before.size(), after.size());
    const qsizetype prefix =
        std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first -
        before.begin();
    const qsizetype suffix =
        std::mismatch(before.rbegin(), before.rbegin() + (shorter - prefix), after.rbegin()).first -
        before.rbegin();
    return showText(text, prefix, suffix);
}

static qsizetype crLfPairs(QStringView text)
{
    qsizetype pairs = 0;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
        pairs += at > 0 && text[at - 1] == u'\r';
    return pairs;
}

qsizetype SourceView::showText(const QString &text, qsizetype keptAtStart, qsizetype keptAtEnd)
{
    // A CR LF is one position of the document: the kept ends must not cut one.
    if (keptAtStart > 0 && text[keptAtStart - 1] == u'\r')
        --keptAtStart;
    if (keptAtEnd > 0 && text[text.size() - keptAtEnd] == u'\n')
        --keptAtEnd;
    const qsizetype removed = m_shown.size() - keptAtStart - keptAtEnd;
    const QStringView added =
        QStringView(text).sliced(keptAtStart, text.size() - keptAtStart - keptAtEnd);
    const qsizetype pairsRemoved = crLfPairs(QStringView(m_shown).sliced(keptAtStart, removed));
    // The pairs in the kept ends, each counted from the nearer end's side.
    const qsizetype pairsBefore =
        keptAtStart <= keptAtEnd
            ? crLfPairs(QStringView(text).first(keptAtStart))
            : m_pairs - pairsRemoved - crLfPairs(QStringView(text).last(keptAtEnd));
    const qsizetype pairsAdded = crLfPairs(added);
    // One edit block: the layout hears of the change once, not once per line.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(int(keptAtStart - pairsBefore));
    cursor.setPosition(int(keptAtStart - pairsBefore + removed - pairsRemoved),
                       QTextCursor::KeepAnchor);
    cursor.insertText(added.toString());
    cursor.endEditBlock();
    m_pairs += pairsAdded - pairsRemoved;
    m_shown.remove(keptAtStart, removed);
    m_shown.insert(keptAtStart, added);
    return cursor.block().length();
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
