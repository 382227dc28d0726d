#include "inputmethodguard.h"

#include <QApplication>
#include <QInputMethodEvent>

void InputMethodGuard::install()
{
    if (!qApp->findChild<InputMethodGuard *>(QString(), Qt::FindDirectChildrenOnly))
        qApp->installEventFilter(new InputMethodGuard(qApp));
}

bool InputMethodGuard::eventFilter(QObject *watched, QEvent *event)
{
    // A box may hand the event on to a part of it; the focus object is where it arrives.
    if (event->type() != QEvent::InputMethod || watched != qApp->focusObject())
        return false;
    const auto *im = static_cast<QInputMethodEvent *>(event);
    const QString preedit = im->preeditString(), commit = im->commitString();
    if (!preedit.isEmpty()) {
        m_composingIn = watched, m_composed = preedit, m_cancelled = false;
        m_committed.clear();
    } else if (commit.isEmpty()) {
        m_cancelled = watched == m_composingIn && !m_composed.isEmpty();
    }
    if (commit.isEmpty())
        return false;
    const bool cancelledComesBack = m_cancelled && watched == m_composingIn && commit == m_composed;
    const bool repeatedElsewhere =
        watched != m_committedIn && commit == m_committed && preedit.isEmpty();
    if (watched == m_composingIn && commit == m_composed && !m_cancelled)
        m_committedIn = watched, m_committed = commit;
    else if (repeatedElsewhere)
        m_committed.clear();
    m_composingIn = nullptr, m_composed.clear(), m_cancelled = false;
    return cancelledComesBack || repeatedElsewhere;
}
