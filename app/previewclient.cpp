#include "previewclient.h"

#include "memo/diskfile.h"
#include "preview/protocol.h"

#include <QDir>
#include <QUrl>
#include <QWidget>

#include <limits>

PreviewClient::PreviewClient(const QString &programFolder, QWidget *mainWindow)
    : m_program(QDir(programFolder).filePath(previewprotocol::programName)),
      m_mainWindow(mainWindow)
{
}

PreviewClient::~PreviewClient() { close(); }

static const QString notShown = QStringLiteral("プレビューを表示できませんでした。\r\n");

void PreviewClient::show(const QString &path)
{
    // Read at once: another instance may write its own listing there next.
    QString error;
    const std::optional<QByteArray> bytes =
        diskfile::load(path, std::numeric_limits<qint64>::max(), &error);
    if (!bytes) {
        emit failed(notShown + path + "\r\n" + error);
        return;
    }
    if (!m_process) {
        m_process = new QProcess(this);
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(m_process, &QProcess::readyReadStandardOutput, this, &PreviewClient::readReports);
        connect(m_process, &QProcess::finished, this, &PreviewClient::ended);
        connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                ended();
        });
        m_refusedAsRoot = false;
        m_listingsSent = 0;
        m_process->start(m_program, {});
    }
    m_process->write(previewprotocol::encode(
        {false, m_mainWindow->frameGeometry(), m_mainWindow->size(), path, *bytes}));
    ++m_listingsSent;
}

void PreviewClient::readReports()
{
    while (m_process && m_process->canReadLine()) {
        const QByteArray line = m_process->readLine().trimmed();
        if (line.startsWith("window "))
            emit windowShown(line.mid(7).toULongLong());
        else if (line == "loaded" || line == "failed")
            emit loaded(line == "loaded");
        else if (line.startsWith("text "))
            emit pageText(QUrl::fromPercentEncoding(line.mid(5)));
        else if (line.startsWith("closed ") && line.mid(7).toLongLong() == m_listingsSent)
            release();  // the seller closed the window, and no listing is on its way
        else if (line == "refused root")
            m_refusedAsRoot = true;
    }
}

void PreviewClient::ended()
{
    if (!m_process)
        return;
    readReports();
    const bool started = m_process->error() != QProcess::FailedToStart;
    m_process->disconnect(this);
    m_process->deleteLater();
    m_process = nullptr;
    if (m_refusedAsRoot)
        emit failed(notShown +
                    "ブラウザーのサンドボックスは管理者 (root) の権限では動きません。\r\n"
                    "一般のユーザーとして起動してください。");
    else if (!started)
        emit failed(notShown + "プレビュー用のプログラムを起動できません。\r\n" + m_program);
    else
        emit failed(notShown + "プレビュー用のプログラムが途中で終了しました。");
}

void PreviewClient::requestPageText()
{
    if (m_process)
        m_process->write(previewprotocol::textRequest);
}

void PreviewClient::close()
{
    QProcess *process = release();
    // One that does not answer is ended all the same.
    if (process && !process->waitForFinished(3000))
        process->kill(), process->waitForFinished(1000);
}

QProcess *PreviewClient::release()
{
    QProcess *process = std::exchange(m_process, nullptr);
    if (!process)
        return nullptr;
    process->disconnect(this);
    // The end of its input ends the preview program.
    process->closeWriteChannel();
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return process;
}
