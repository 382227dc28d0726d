#pragma once

#include <QObject>
#include <QPointer>

// Keeps each word an input method composes in the box where it was composed.
//
// Under ibus, leaving a box mid-word makes the toolkit commit the word it
// last saw composed into the box being left, even a word the user cancelled
// with Escape; the engine then commits the same word once more when the focus
// has already moved on, so one word lands in two boxes. The guard drops the
// commit of a cancelled word, and a commit into another box of the word just
// committed, before anything was composed there. Input methods that commit a
// word once never meet it.
class InputMethodGuard : public QObject {
    Q_OBJECT
public:
    // Installs the guard on the application once; every text box and list gets it.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;

    QPointer<QObject> m_composingIn;  // the box where the word is being composed
    QString m_composed;               // that word as last shown
    bool m_cancelled = false;         // the word vanished without a commit
    QPointer<QObject> m_committedIn;  // the box the last composed word went into
    QString m_committed;              // that word, until something is composed again
};
