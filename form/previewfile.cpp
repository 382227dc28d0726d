#include "previewfile.h"

#include "memo/diskfile.h"
#include "userfolders.h"

#include <QDir>
#include <QFileInfo>

namespace previewfile {

static const QString fileName = QStringLiteral("prev.html");

// Whether the folder is the program's folder of an installed layout,
// PREFIX/lib/rumita beside the launcher PREFIX/bin/rumita. A package or
// `cmake --install` lays it out so; a build tree or a copy of one has no
// launcher two levels up. Root can write there, and must not: no package
// owns a prev.html.
static bool isInstalled(const QString &folder)
{
    const QFileInfo info(QDir::cleanPath(folder));
    return info.fileName() == "rumita" && QFileInfo(info.absolutePath()).fileName() == "lib" &&
           QFileInfo(folder + "/../../bin/rumita").isFile();
}

static bool isForPreviews(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && !isInstalled(folder);
}

QString location(const QString &programFolder)
{
    QString folder = programFolder;
    if (!isForPreviews(folder)) {
        const QString cache = userfolders::cache();
        if (!cache.isEmpty())
            folder = cache;
    }
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + fileName;
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    // Rewritten at every preview, it need not reach the disk.
    return diskfile::replace(path, bytes, diskfile::Durability::Cached, error);
}

}  // namespace previewfile
