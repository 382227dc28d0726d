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

void MainForm::keepUnsavedInput()
{
    const QByteArray bytes = inputAsSaved();
    if (bytes == m_savedInput)
        return;
    const QString folder = userfolders::state();
    if (folder.isEmpty())
        return;
    // Named by the time, which also orders them; a second one in the same
    // second gets a number.
    const QString name =
        folder + '/' + QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss");
    QString path = name + ".qip";
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1_%2.qip").arg(name).arg(n);
    diskfile::save(path, bytes, nullptr);  // there is no one left to tell of a failure
}

// A kept file not offered yet is one its owner can still write: once the
// question is answered, that is taken away, so that each is offered once and
// stays where it is. Of several, the newest is offered.
void MainForm::offerKeptInput()
{
    QStringList waiting;
    for (const QFileInfo &file :
         QDir(userfolders::state(false)).entryInfoList({"*.qip"}, QDir::Files, QDir::Name))
        if (file.permission(QFile::WriteOwner))
            waiting << file.filePath();
    if (waiting.isEmpty())
        return;
    const bool open =
        m_ui.ask(programTitle,
                 QStringLiteral("前回ルミタが終了させられたとき、保存していない入力がありました。"
                                "その入力を次のファイルに残してあります。\r\n%1\r\n"
                                "このファイルを開きますか？")
                     .arg(waiting.last())) == UserInterface::yes;
    for (const QString &path : waiting)
        QFile::setPermissions(path,
                              QFile::permissions(path) & ~(QFile::WriteOwner | QFile::WriteUser |
                                                           QFile::WriteGroup | QFile::WriteOther));
    if (open)
        openMemoFile(waiting.last());
}
