#pragma once

#include <QByteArray>
#include <QString>

// prev.html, the file the preview window shows.
namespace previewfile {

// Where prev.html goes: into the program's folder when the user can write
// there, as a build tree or a portable copy expects; otherwise, and always
// for an installed program, into rumita/ under the user's cache folder.
QString location(const QString &programFolder);

// Writes prev.html at that path. The file is replaced, never written through:
// a prev.html that is a symlink does not lead the bytes to the file it points
// at. On failure error (when not null) says why.
bool write(const QString &path, const QByteArray &bytes, QString *error);

}  // namespace previewfile
