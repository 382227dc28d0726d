#include "desktopinterface.h"

#include "form/mainform.h"
#include "helpwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeView>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

DesktopInterface::DesktopInterface(QWidget *mainWindow, const QString &programFolder)
    : m_mainWindow(mainWindow),
      m_preview(programFolder, mainWindow)
{
    // The program keeps no settings; the file dialog's history of folders
    // lives as long as the program, and no file of the toolkit's is written.
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
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
    QMessageBox box(icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, m_mainWindow);
    box.exec();
}

// Qt's own file dialog, in Japanese with the rest of the program. A name with
// a wildcard is a pattern that narrows the list, never a file name.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        const QString typed = name ? name->text().trimmed() : QString();
        if (!typed.contains(u'*') && !typed.contains(u'?')) {
            QFileDialog::accept();
            return;
        }
        // The list shows what matches; the type list keeps its choice.
        if (auto *files = findChild<QFileSystemModel *>())
            files->setNameFilters(typed.split(u' ', Qt::SkipEmptyParts));
    }
};

QString DesktopInterface::runFileDialog(QFileDialog::AcceptMode mode, const QString &filter,
                                        const QString &initialName)
{
    FileDialog dialog(m_mainWindow);
    // The desktop's own dialog would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setNameFilter(filter);
    dialog.setDirectory(m_lastFolder);
    dialog.selectFile(initialName);
    // Name, size, type and date each shown whole, the name taking what is left.
    auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    auto *files = dialog.findChild<QFileSystemModel *>();
    if (list && files) {
        list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        // The files' details arrive after the list shows them; the list
        // elides a Japanese text at the width it measures for it, hence the
        // room of a character more.
        QObject::connect(files, &QFileSystemModel::directoryLoaded, list, [list] {
            for (int column : {1, 2, 3}) {
                list->resizeColumnToContents(column);
                list->setColumnWidth(column,
                                     list->columnWidth(column) + list->fontMetrics().height());
            }
        });
    }
    const QFontMetrics metrics(dialog.font());
    dialog.resize(dialog.sizeHint().expandedTo(
        QSize(metrics.averageCharWidth() * 110, metrics.height() * 28)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString DesktopInterface::chooseFileToOpen(const QString &filter, const QString &initialName)
{
    return runFileDialog(QFileDialog::AcceptOpen, filter, initialName);
}

QString DesktopInterface::chooseFileToSave(const QString &filter, const QString &initialName)
{
    // QFileDialog asks before replacing an existing file in save mode.
    return runFileDialog(QFileDialog::AcceptSave, filter, initialName);
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

void DesktopInterface::showPreview(const QString &path) { m_preview.show(path); }

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
