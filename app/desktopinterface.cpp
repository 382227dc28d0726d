#include "desktopinterface.h"

#include "helpwindow.h"
#include "previewwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>

DesktopInterface::~DesktopInterface()
{
    delete m_preview;
    delete m_help;
}

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

// A window opens to the right of the main window where the screen has room,
// so that the two do not cover each other; elsewhere the desktop places it.
static void placeBeside(QWidget *window, const QWidget *mainWindow)
{
    const QRect main = mainWindow->frameGeometry();
    const QSize frame = window->size() + main.size() - mainWindow->size();
    const QRect wanted(QPoint(main.right() + 1, main.top()), frame);
    if (mainWindow->screen()->availableGeometry().contains(wanted))
        window->move(wanted.topLeft());
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
    if (!m_preview) {
        m_preview = new PreviewWindow;
        placeBeside(m_preview, m_mainWindow);
    }
    m_preview->showFile(path);
    bringUp(m_preview);
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
    for (QWidget *window : {static_cast<QWidget *>(m_preview), static_cast<QWidget *>(m_help)})
        if (window)
            window->close();
}

void DesktopInterface::quit()
{
    m_quitting = true;
    QApplication::closeAllWindows();
    QApplication::quit();
}
