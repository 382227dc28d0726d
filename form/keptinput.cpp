// Input kept when the program is ended from outside (a signal), and offered
// again at the next start.
#include "mainform.h"
#include "memo/diskfile.h"
#include "userfolders.h"
#include "userinterface.h"

#include <QDateTime>
#include <QDir>

void MainForm::rememberInputAsSaved() { m_savedInput = inputAsSaved(); }

bool MainForm::hasUnsavedInput() const { return inputAsSaved() != m_savedInput; }

QString MainForm::keepUnsavedInput()
{
    const QByteArray bytes = inputAsSaved();
    const QString folder = userFolders::state();
    if (bytes == m_savedInput || folder.isEmpty())
        return {};
    // Named by the time, which also orders them; a second one in the same
    // second gets a number.
    const QString name = folder + '/' + QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss");
    QString path = name + ".qip";
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1_%2.qip").arg(name).arg(n);
    return diskfile::save(path, bytes).isEmpty() ? path : QString();
}

// A kept file not offered yet is one its owner can still write: the offer
// takes that away, so that each is offered once and stays where it is.
void MainForm::offerKeptInput()
{
    const QFileInfoList kept = QDir(userFolders::state(false)).entryInfoList({"*.qip"}, QDir::Files, QDir::Name);
    QString newest;
    for (const QFileInfo &file : kept) {
        if (!file.permission(QFile::WriteOwner))
            continue;
        newest = file.filePath();
        QFile::setPermissions(newest, file.permissions() & ~(QFile::WriteOwner | QFile::WriteUser |
                                                              QFile::WriteGroup | QFile::WriteOther));
    }
    if (!newest.isEmpty() &&
        m_ui.ask(programTitle,
                 QStringLiteral("前回ルミタが終了させられたとき、保存していない入力がありました。"
                                "その入力を次のファイルに残してあります。\r\n%1\r\n"
                                "このファイルを開きますか？")
                     .arg(newest)) == UserInterface::yes)
        openMemoFile(newest);
}
