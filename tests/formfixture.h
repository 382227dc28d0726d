#pragma once

#include "form/mainform.h"
#include "form/userinterface.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// A desktop that answers from a script and remembers what it was asked.
class ScriptedInterface : public UserInterface {
public:
    QList<qint16> answers;   // next answers to questions, Yes when empty
    QStringList fileNames;   // next file dialog results, cancel when empty
    QStringList asked;       // "title|text" of each question and message
    QStringList fileDialogs; // "open|filter|initial name" or "save|..."
    QString clipboard, help, preview;
    int quits = 0;

    qint16 ask(const QString &title, const QString &text) override
    {
        asked << title + '|' + text;
        return answers.isEmpty() ? yes : answers.takeFirst();
    }
    void tell(const QString &title, const QString &text, Icon) override { asked << title + '|' + text; }
    QString chooseFileToOpen(const QString &filter, const QString &name) override
    {
        return nextFile("open|" + filter + '|' + name);
    }
    QString chooseFileToSave(const QString &filter, const QString &name) override
    {
        return nextFile("save|" + filter + '|' + name);
    }
    void putOnClipboard(const QString &text) override { clipboard = text; }
    void showPreview(const QString &path) override { preview = path; }
    void showHelp(const QString &text) override { help = text; }
    void quit() override { ++quits; }

private:
    QString nextFile(const QString &dialog)
    {
        fileDialogs << dialog;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

// A started form over a scripted desktop, driven as a user drives the window:
// "Text2=a\r\nb" types a text, "Check7" clicks a box, "Check7:2" sets its state
// as a memo file does, "Combo1:3" picks an item, "Combo1=3" selects it in code;
// "New", "Open" and "Save" run those commands.
struct FormFixture {
    explicit FormFixture(const QString &folder = "/opt/rumita") : form(ui, folder) { form.startUp(); }
    ScriptedInterface ui;
    MainForm form;
    EditorState &s = form.state;

    void act(const QStringList &actions)
    {
        for (const QString &action : actions) {
            if (action == "New" || action == "Open" || action == "Save") {
                (form.*(action == "New" ? &MainForm::newMemo : action == "Open" ? &MainForm::openMemo : &MainForm::saveMemo))();
                continue;
            }
            const qsizetype at = action.indexOf(QRegularExpression("[=:]"));
            auto *control = form.findChild<Control *>(action.left(at));
            QVERIFY2(control, qPrintable(action));
            const QString value = at < 0 ? QString() : action.mid(at + 1);
            if (auto *text = qobject_cast<TextBox *>(control))
                text->setText(value);
            else if (auto *box = qobject_cast<CheckBox *>(control))
                at < 0 ? box->click() : box->setValue(value.toShort());
            else if (auto *list = qobject_cast<ComboBox *>(control))
                action[at] == ':' ? list->pick(value.toInt()) : list->select(value.toInt());
        }
    }

    // What the window shows of every control but the pictures.
    QStringList controls() const
    {
        QStringList out;
        for (const Control *c : form.findChildren<Control *>()) {
            QString value;
            if (auto *text = qobject_cast<const TextBox *>(c))
                value = text->text();
            else if (auto *box = qobject_cast<const CheckBox *>(c))
                value = QString::number(box->value());
            else if (auto *list = qobject_cast<const ComboBox *>(c))
                value = QString::number(list->index());
            else
                continue;
            const Rgb rgb = c->background().value_or(Rgb{});
            out << QString("%1=%2 %3 %4 %5,%6,%7").arg(c->objectName(), value).arg(c->isEnabled())
                       .arg(c->pointSize()).arg(rgb.red).arg(rgb.green).arg(rgb.blue);
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
inline QString memoData(const QString &name)
{
    return qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo/" + name;
}
