#pragma once

// The desktop of the main form, answered from a script: dialogs, clipboard,
// preview and help as the tests and benchmarks see them.
#include "form/userinterface.h"

#include <QStringList>

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
