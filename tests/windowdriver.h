#pragma once

// Drives the real windows as a seller does: keys, list picks and answers to
// the modal dialogs.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Types any text as an input method delivers it (QTest::keyClicks knows
// Latin-1 only); "\n" presses Return.
inline void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const int key = c == '\n' ? int(Qt::Key_Return) : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Opens the list and clicks an item with the mouse.
inline void pick(QComboBox *list, int index)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
    QTRY_VERIFY(!view->isVisible());
}

// Answers the next modal dialogs in turn: presses a message box's button, or
// types a name into the file dialog and accepts it. Each dialog answered is
// recorded as "title|text" (a file dialog's text is its filter).
class DialogScript : public QObject {
public:
    struct Answer {
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        QString fileName;
    };

    DialogScript()
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::answerOpenDialog);
        m_timer.start(20);
    }
    void expect(QList<Answer> answers) { m_answers += answers; }
    bool done() const { return m_answers.isEmpty(); }
    QStringList answered;

private:
    void answerOpenDialog()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_answers.isEmpty() || !modal->isVisible())
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            answered << box->windowTitle() + '|' + box->text();
            box->button(m_answers.takeFirst().button)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            answered << dialog->windowTitle() + '|' + dialog->nameFilters().join(';');
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(m_answers.takeFirst().fileName);
            const bool saving = dialog->acceptMode() == QFileDialog::AcceptSave;
            dialog->findChild<QDialogButtonBox *>()->button(saving ? QDialogButtonBox::Save : QDialogButtonBox::Open)->click();
        }
    }

    QList<Answer> m_answers;
    QTimer m_timer;
};
