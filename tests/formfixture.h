#pragma once

#include "form/mainform.h"
#include "form/userinterface.h"

#include <QStringList>

// A desktop that answers from a script and remembers what it was asked.
class ScriptedInterface : public UserInterface {
public:
    QList<qint16> answers;      // next answers to questions, Yes when empty
    QStringList fileNames;      // next file dialog results, cancel when empty
    QStringList questions;      // "title|text" of each question asked
    QStringList messages;       // "title|text" of each message shown
    QStringList fileDialogs;    // "open|filter|initial name" or "save|..." of each file dialog
    QString clipboard;
    int clipboardClears = 0;
    QStringList previews;
    QStringList helpTexts;
    int quits = 0;

    qint16 ask(const QString &title, const QString &text) override
    {
        questions << title + '|' + text;
        return answers.isEmpty() ? yes : answers.takeFirst();
    }
    void tell(const QString &title, const QString &text, Icon) override
    {
        messages << title + '|' + text;
    }
    QString chooseFileToOpen(const QString &filter, const QString &initialName) override
    {
        fileDialogs << "open|" + filter + '|' + initialName;
        return nextFile();
    }
    QString chooseFileToSave(const QString &filter, const QString &initialName) override
    {
        fileDialogs << "save|" + filter + '|' + initialName;
        return nextFile();
    }
    void putOnClipboard(const QString &text) override
    {
        ++clipboardClears;
        clipboard = text;
    }
    void showPreview(const QString &path) override { previews << path; }
    void showHelp(const QString &text) override { helpTexts << text; }
    void quit() override { ++quits; }

private:
    QString nextFile() { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};

// A started form over a scripted desktop.
struct FormFixture {
    explicit FormFixture(const QString &folder = "/opt/rumita") : form(ui, folder) { form.startUp(); }
    ScriptedInterface ui;
    MainForm form;
    EditorState &s = form.state;
};
