#include "userfolders.h"

#include <QDir>
#include <QFileInfo>

namespace userfolders {

static QString own(const char *variable, const QString &fallback, bool make = true)
{
    QString base = qEnvironmentVariable(variable);
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + '/' + fallback;
    if (!make)
        return base + "/rumita";
    if (!QDir().mkpath(base))
        return {};
    QDir(base).mkdir("rumita", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString folder = QDir::cleanPath(base + "/rumita");
    return QFileInfo(folder).isDir() ? folder : QString();
}

QString cache() { return own("XDG_CACHE_HOME", ".cache"); }
QString state(bool make) { return own("XDG_STATE_HOME", ".local/state", make); }

}  // namespace userfolders
