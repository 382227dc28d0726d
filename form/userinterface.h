#pragma once

#include <QString>

// What the commands need from the desktop. The window layer implements it with
// real dialogs; tests implement it with scripted answers.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Answer codes of a yes/no question, as the state keeps them.
    static constexpr qint16 yes = 6;
    static constexpr qint16 no = 7;

    enum class Icon { None, Warning };

    // A modal question with Yes and No and the question icon.
    virtual qint16 ask(const QString &title, const QString &text) = 0;
    // A modal message with OK only.
    virtual void tell(const QString &title, const QString &text, Icon icon) = 0;
    // The file dialog; an empty result means cancelled. Saving asks before
    // replacing an existing file.
    virtual QString chooseFileToOpen(const QString &filter, const QString &initialName) = 0;
    virtual QString chooseFileToSave(const QString &filter, const QString &initialName) = 0;
    // Empties the clipboard, then puts the text on it as plain text only.
    virtual void putOnClipboard(const QString &text) = 0;
    // Shows the preview window (created on first use) loading the file.
    virtual void showPreview(const QString &path) = 0;
    // Shows the help window (one instance) with the text.
    virtual void showHelp(const QString &text) = 0;
    // Ends the program at once, every window with it.
    virtual void quit() = 0;
};
