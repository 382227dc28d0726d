#pragma once

// A started main form over a scripted desktop, driven as a seller drives the
// window, for tests of what the handlers and commands do without a display.
#include "form/mainform.h"
#include "form/userinterface.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Answers from a script and remembers what it was asked.
class ScriptedInterface : public UserInterface {
public:
    QList<qint16> answers;    // next answers to questions, Yes when empty
    QStringList fileNames;    // next file dialog results, "" or none for cancel
    QStringList asked;        // "title|text" of each question and message
    QStringList fileDialogs;  // "open|filter|initial name" or "save|..."
    QString clipboard, help, preview;
    int quits = 0;

    qint16 ask(const QString &title, const QString &text) override
    {
        asked << title + '|' + text;
        return answers.isEmpty() ? yes : answers.takeFirst();
    }
    void tell(const QString &title, const QString &text, Icon) override { asked << title + '|' + text; }
    QString chooseFileToOpen(const QString &filter, const QString &name) override { return next("open|" + filter + '|' + name); }
    QString chooseFileToSave(const QString &filter, const QString &name) override { return next("save|" + filter + '|' + name); }
    void putOnClipboard(const QString &text) override { clipboard = text; }
    void showPreview(const QString &path) override { preview = path; }
    void showHelp(const QString &text) override { help = text; }
    void quit() override { ++quits; }

private:
    QString next(const QString &dialog) { return fileDialogs << dialog, fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};

struct FormFixture {
    explicit FormFixture(const QString &folder = "/opt/rumita") : form(ui, folder) { form.startUp(); }
    ScriptedInterface ui;
    MainForm form;
    EditorState &s = form.state;

    // "Text2=a\r\nb" types a text, "Check7" clicks a box, "Check7:2" sets its
    // state as a memo file does, "Combo1:3" picks an item, "Combo1=3" selects
    // it in code; "New", "Open" and "Save" run those commands.
    void act(const QStringList &actions)
    {
        for (const QString &action : actions) {
            const qsizetype at = action.indexOf(QRegularExpression("[=:]"));
            const QString value = at < 0 ? QString() : action.mid(at + 1);
            auto *control = form.findChild<ControlModel *>(action.left(at));
            if (auto *text = qobject_cast<TextBoxModel *>(control))
                text->setText(value);
            else if (auto *box = qobject_cast<CheckBoxModel *>(control))
                at < 0 ? box->click() : box->setValue(value.toShort());
            else if (auto *list = qobject_cast<ComboBoxModel *>(control))
                action[at] == ':' ? list->pick(value.toInt()) : list->select(value.toInt());
            else if (action == "New" || action == "Open" || action == "Save")
                (form.*(action == "New" ? &MainForm::newMemo : action == "Open" ? &MainForm::openMemo : &MainForm::saveMemo))();
            else
                QFAIL(qPrintable("no such action: " + action));
        }
    }

    // What the window shows of each control but the pictures: "name=value
    // enabled points red,green,blue".
    QStringList controls() const
    {
        QStringList out;
        for (const ControlModel *c : form.findChildren<ControlModel *>()) {
            const auto *text = qobject_cast<const TextBoxModel *>(c);
            const auto *box = qobject_cast<const CheckBoxModel *>(c);
            const auto *list = qobject_cast<const ComboBoxModel *>(c);
            const Rgb rgb = c->background().value_or(Rgb{});
            if (text || box || list)
                out << QString("%1=%2 %3 %4 %5,%6,%7").arg(c->objectName(), text ? text->text() : QString::number(box ? box->value() : list->index()))
                           .arg(c->isEnabled()).arg(c->pointSize()).arg(rgb.red).arg(rgb.green).arg(rgb.blue);
        }
        return out;
    }
};

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A file of the memo corpus in tests/data/memo.
inline QString memoData(const QString &name) { return qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo/" + name; }
