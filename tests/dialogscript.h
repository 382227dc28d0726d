#pragma once

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers the real modal dialogs as a user would: presses a message box's
// button, types a name into the file dialog and accepts it. Each answer is
// used by the next dialog that opens; every dialog answered is recorded as
// "title|text".
class DialogScript : public QObject {
public:
    struct Answer {
        QMessageBox::StandardButton button = QMessageBox::NoButton;  // for a message box
        QString fileName;                                            // for a file dialog
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
            dialog->findChild<QDialogButtonBox *>()->button(dialog->acceptMode() == QFileDialog::AcceptSave
                                                                ? QDialogButtonBox::Save
                                                                : QDialogButtonBox::Open)->click();
        }
    }

    QList<Answer> m_answers;
    QTimer m_timer;
};
