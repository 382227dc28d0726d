#include "previewfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

namespace previewFile {

static const QString fileName = QStringLiteral("prev.html");

static bool userCanWrite(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// rumita/ under the user's cache folder, created for this user alone. Empty
// when there is no such folder and none can be made.
static QString cacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty() || !QDir().mkpath(base))
        return {};
    QDir(base).mkdir("rumita", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString folder = base + "/rumita";
    return QFileInfo(folder).isDir() ? folder : QString();
}

// A new file of our own beside the target, created exclusively so that
// nothing standing at its name is opened, then renamed over the target:
// rename() replaces a symlink rather than following it, and readers never
// see a half-written file. (QSaveFile resolves symlinks and writes to their
// targets.)
static QString replace(const QString &path, const QByteArray &bytes)
{
    QTemporaryFile file(path + ".XXXXXX");
    if (!file.open())
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return qt_error_string(errno);
    file.setAutoRemove(false);
    return {};
}

Outcome write(const QString &programFolder, const QByteArray &bytes)
{
    QString folder = programFolder;
    if (!userCanWrite(folder)) {
        const QString cache = cacheFolder();
        if (!cache.isEmpty())
            folder = cache;
    }
    if (!folder.endsWith('/'))
        folder += '/';
    const QString path = folder + fileName;
    return {path, replace(path, bytes)};
}

}  // namespace previewFile
