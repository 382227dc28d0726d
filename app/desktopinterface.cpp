#include "desktopinterface.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>

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

void DesktopInterface::showPreview(const QString &) {}

void DesktopInterface::showHelp(const QString &) {}

void DesktopInterface::quit()
{
    m_quitting = true;
    QApplication::closeAllWindows();
    QApplication::quit();
}
