#include "diskfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace diskfile {

// Gives the reason to the caller that asked for it; always false.
static bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

static const QString notARegularFile =
    QStringLiteral("通常のファイルではありません（フォルダー、パイプ、デバイスなど）。");

QString tooLarge(qint64 maxSize)
{
    return QStringLiteral("ファイルが大きすぎます。開けるのは %1 MB までです。").arg(maxSize >> 20);
}

std::optional<QByteArray> load(const QString &path, qint64 maxSize, QString *error)
{
    auto refused = [error](const QString &reason) {
        fail(error, reason);
        return std::optional<QByteArray>();
    };
    const QString cannotOpen = QStringLiteral("ファイルを開けませんでした。");
    // Opening a pipe waits for a writer, and a device may never answer: the
    // file is opened without waiting, then taken only if it is a regular
    // file, judged on the opened descriptor itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(cannotOpen);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(cannotOpen);
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return refused(notARegularFile);
    if (status.st_size > maxSize)
        return refused(tooLarge(maxSize));
    // In chunks, to the end: the file may grow while it is read.
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(1 << 20);
        if (file.error() != QFileDevice::NoError)
            return refused(QStringLiteral("ファイルを読み取れませんでした。"));
        if (chunk.isEmpty())
            return bytes;
        bytes += chunk;
        if (bytes.size() > maxSize)
            return refused(tooLarge(maxSize));
    }
}

// The usual causes of a failed save, in the user's words.
static QString cause(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限に達しています。");
    case EFBIG:
        return QStringLiteral("ファイルが大きすぎます。");
    case EROFS:
        return QStringLiteral("保存先は読み取り専用です。");
    case EACCES:
    case EPERM:
        return QStringLiteral("保存先に書き込む権限がありません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダーがあります。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("保存先のフォルダーが見つかりません。");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました。");
    default:
        return QStringLiteral("システムのエラー番号は %1 です。").arg(error);
    }
}

// A new file of our own in the target's folder, created exclusively under a
// short name of its own (the target's name plus a suffix could be too long),
// with the default permissions the user's umask gives. -1 with errno set
// when none can be made.
static int createBeside(const QString &folder, QString &name)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "/.rumita-";
        for (int i = 0; i < 8; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(36)]);
        const int fd = ::open(QFile::encodeName(name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

static bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// Writes the bytes to a new file beside path and renames it over whatever
// stands at path (a symlink is replaced, not followed): a failure at any
// point leaves that as it was. Each step is checked on its own, since a full
// disk or a failing device may first show at the sync or the close. old, when
// given, is the regular file replaced, whose permissions carry over.
static bool putInPlace(const QString &path, const QByteArray &bytes, Durability durability,
                       const struct stat *old, QString *error)
{
    auto failed = [old, error](const QString &step, int number, const QString &temporary) {
        if (!temporary.isEmpty())
            ::unlink(QFile::encodeName(temporary).constData());
        return fail(error,
                    step + cause(number) +
                        (old ? QStringLiteral("元のファイルはそのまま残っています。") : QString()));
    };
    QString temporary;
    const int fd = createBeside(QFileInfo(path).absolutePath(), temporary);
    if (fd < 0)
        return failed(QStringLiteral("保存用のファイルを作れませんでした。"), errno, {});
    if (old)
        ::fchmod(fd, old->st_mode & 07777);
    auto failedWhileOpen = [&](const QString &step) {
        const int number = errno;
        ::close(fd);
        return failed(step, number, temporary);
    };
    if (!writeAll(fd, bytes))
        return failedWhileOpen(QStringLiteral("書き込みが途中で失敗しました。"));
    if (durability == Durability::Synced && ::fdatasync(fd) != 0)
        return failedWhileOpen(QStringLiteral("書き込んだ内容をディスクに書き出せませんでした。"));
    if (::close(fd) != 0)
        return failed(QStringLiteral("書き込んだファイルを閉じられませんでした。"), errno,
                      temporary);
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) !=
        0)
        return failed(old ? QStringLiteral("書き込んだ内容でファイルを置き換えられませんでした。")
                          : QStringLiteral("書き込んだファイルにその名前を付けられませんでした。"),
                      errno, temporary);
    return true;
}

bool replace(const QString &path, const QByteArray &bytes, Durability durability, QString *error)
{
    return putInPlace(path, bytes, durability, nullptr, error);
}

bool save(const QString &path, const QByteArray &bytes, QString *error)
{
    // The file put in place would replace a pipe, a device or a socket that
    // stands at the path; none of them is a memo file. A symlink leads to the
    // file it names, which is the one replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return fail(error, notARegularFile);
    const QString finalPath =
        target.isSymLink() && target.exists() ? target.canonicalFilePath() : path;
    struct stat old;
    const bool existed =
        ::stat(QFile::encodeName(finalPath).constData(), &old) == 0 && S_ISREG(old.st_mode);
    return putInPlace(finalPath, bytes, Durability::Synced, existed ? &old : nullptr, error);
}

}  // namespace diskfile
