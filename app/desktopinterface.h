#pragma once

#include "form/userinterface.h"

#include "previewclient.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

class HelpWindow;
class QWidget;

// The desktop side of the commands: message boxes, the file dialog, the
// clipboard and the secondary windows.
class DesktopInterface : public UserInterface {
public:
    // The preview program lives in the program's folder.
    DesktopInterface(QWidget *mainWindow, const QString &programFolder);
    ~DesktopInterface() override;

    qint16 ask(const QString &title, const QString &text) override;
    void tell(const QString &title, const QString &text, Icon icon) override;
    QString chooseFileToOpen(const QString &filter, const QString &initialName) override;
    QString chooseFileToSave(const QString &filter, const QString &initialName) override;
    void putOnClipboard(const QString &text) override;
    void showPreview(const QString &path) override;
    void showHelp(const QString &text) override;
    void quit() override;

    // Set once the program is ending, so that the main window's close check
    // does not ask a second time.
    bool isQuitting() const { return m_quitting; }
    // The desktop's session ends with the seller's consent: the windows
    // close without another question.
    void agreeToEnd() { m_quitting = true; }

    // The preview and help windows go when the main window goes.
    void closeSecondaryWindows();

    PreviewClient &preview() { return m_preview; }

private:
    QString runFileDialog(QFileDialog::AcceptMode mode, const QString &filter,
                          const QString &initialName);

    QWidget *m_mainWindow;
    QString m_lastFolder = QDir::homePath();  // where Open or Save last found its file
    PreviewClient m_preview;
    QPointer<HelpWindow> m_help;
    bool m_quitting = false;
};
