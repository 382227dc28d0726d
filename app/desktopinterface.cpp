#include "desktopinterface.h"

#include "form/mainform.h"
#include "helpwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>

DesktopInterface::DesktopInterface(QWidget *mainWindow, const QString &programFolder)
    : m_mainWindow(mainWindow), m_preview(programFolder, mainWindow)
{
    QObject::connect(&m_preview, &PreviewClient::failed, [this](const QString &message) {
        tell(MainForm::programTitle, message, Icon::Warning);
    });
}

DesktopInterface::~DesktopInterface() { delete m_help; }

qint16 DesktopInterface::ask(const QString &title, const QString &text)
{
    const auto answer = QMessageBox::question(m_mainWindow, title, text,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes ? yes : no;
}

void DesktopInterface::tell(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok, m_mainWindow);
    box.exec();
}

static QString runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &filter,
                             const QString &initialName)
{
    QFileDialog dialog(parent);
    // The desktop's own dialog would speak the desktop's language; Qt's
    // speaks Japanese with the rest of the program.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.selectFile(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString DesktopInterface::chooseFileToOpen(const QString &filter, const QString &initialName)
{
    return runFileDialog(m_mainWindow, QFileDialog::AcceptOpen, filter, initialName);
}

QString DesktopInterface::chooseFileToSave(const QString &filter, const QString &initialName)
{
    // QFileDialog asks before replacing an existing file in save mode.
    return runFileDialog(m_mainWindow, QFileDialog::AcceptSave, filter, initialName);
}

void DesktopInterface::putOnClipboard(const QString &text)
{
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

// Shows a secondary window without blocking, in front if it was open.
static void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void DesktopInterface::showPreview(const QString &path)
{
    m_preview.show(path);
}

void DesktopInterface::showHelp(const QString &text)
{
    if (!m_help)
        m_help = new HelpWindow;
    m_help->setText(text);
    bringUp(m_help);
}

void DesktopInterface::closeSecondaryWindows()
{
    m_preview.close();
    if (m_help)
        m_help->close();
}

void DesktopInterface::quit()
{
    m_quitting = true;
    QApplication::closeAllWindows();
    QApplication::quit();
}
