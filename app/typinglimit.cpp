#include "typinglimit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

void TypingLimit::attach(QLineEdit *box) { box->installEventFilter(new TypingLimit(box)); }

TypingLimit::TypingLimit(QLineEdit *box) : QObject(box), m_box(box), m_least(box->maxLength())
{
    connect(box, &QLineEdit::textChanged, this, &TypingLimit::followText);
    connect(this, &TypingLimit::cut, this, [] { QApplication::beep(); });
}

QString TypingLimit::fitting(const QString &inserted) const
{
    const qsizetype room =
        m_box->maxLength() - (m_box->text().size() - m_box->selectedText().size());
    qsizetype taken = 0;
    while (taken < qMin(room, inserted.size())) {
        const bool pair = inserted.at(taken).isHighSurrogate() && taken + 1 < inserted.size();
        taken += pair ? 2 : 1;
    }
    return inserted.left(taken);
}

bool TypingLimit::eventFilter(QObject *, QEvent *event)
{
    QString inserted;
    if (event->type() == QEvent::KeyPress)
        inserted = static_cast<QKeyEvent *>(event)->text();
    else if (event->type() == QEvent::InputMethod)
        inserted = static_cast<QInputMethodEvent *>(event)->commitString();
    if (inserted.isEmpty() || (!inserted.at(0).isPrint() && !inserted.at(0).isSurrogate()))
        return false;
    const QString fits = fitting(inserted);
    const qsizetype length = m_box->text().size() - m_box->selectedText().size() + fits.size();
    if (length > m_box->maxLength())  // a pair at the limit, let in whole
        m_box->setMaxLength(int(length));
    if (fits == inserted)
        return false;
    emit cut();
    if (event->type() == QEvent::KeyPress)
        return true;  // the keystroke does not fit at all
    const auto *im = static_cast<QInputMethodEvent *>(event);
    QInputMethodEvent shortened(im->preeditString(), im->attributes());
    shortened.setCommitString(fits, im->replacementStart(), im->replacementLength());
    QCoreApplication::sendEvent(m_box, &shortened);
    return true;
}

void TypingLimit::followText()
{
    // A paste cut at the limit may end in half a pair.
    const int cursor = m_box->cursorPosition();
    if (cursor > 0 && m_box->text().at(cursor - 1).isHighSurrogate() &&
        (cursor == m_box->text().size() || !m_box->text().at(cursor).isLowSurrogate())) {
        m_box->backspace();
        return;
    }
    m_box->setMaxLength(qMax(m_least, int(m_box->text().size())));
}
