#include "diskfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace diskfile {

static const QString notARegularFile =
    QStringLiteral("通常のファイルではありません（フォルダー、パイプ、デバイスなど）。");

QString tooLarge(qint64 maxSize)
{
    return QStringLiteral("ファイルが大きすぎます。開けるのは %1 MB までです。").arg(maxSize >> 20);
}

std::variant<QByteArray, QString> load(const QString &path, qint64 maxSize)
{
    const QString cannotOpen = QStringLiteral("ファイルを開けませんでした。");
    // Opening a pipe waits for a writer, and a device may never answer: the
    // file is opened without waiting, then taken only if it is a regular
    // file, judged on the opened descriptor itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return cannotOpen;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return cannotOpen;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return notARegularFile;
    if (status.st_size > maxSize)
        return tooLarge(maxSize);
    // In chunks, to the end: the file may grow while it is read.
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(1 << 20);
        if (file.error() != QFileDevice::NoError)
            return QStringLiteral("ファイルを読み取れませんでした。");
        if (chunk.isEmpty())
            return bytes;
        bytes += chunk;
        if (bytes.size() > maxSize)
            return tooLarge(maxSize);
    }
}

QString save(const QString &path, const QByteArray &bytes)
{
    // The file put in place would replace a pipe, a device or a socket that
    // stands at the path; none of them is a memo file.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return notARegularFile;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("ファイルを作れませんでした。保存先のフォルダーに書き込めるか、"
                              "同じ名前のフォルダーがないか確かめてください。");
    // Qt 6.4's commit() reports success after a short write or a failed
    // flush and would put the truncated file in place, so both are checked
    // first and the temporary file dropped instead.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return QStringLiteral("書き込みが途中で失敗しました。"
                              "ディスクの空き容量を確かめてください。");
    }
    if (!file.commit())
        return QStringLiteral("書き込んだ内容でファイルを置き換えられませんでした。");
    return {};
}

}  // namespace diskfile
