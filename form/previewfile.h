#pragma once

#include <QByteArray>
#include <QString>

// prev.html, the file the preview window shows.
namespace previewfile {

struct Outcome {
    QString path;   // where prev.html was written, or was to be written
    QString error;  // why it could not be written; empty on success
};

// Writes prev.html into the program's folder when the user can write there,
// as a build tree or a portable copy expects; otherwise, and always for an
// installed program, into rumita/ under the user's cache folder. The file is
// replaced, never written through: a prev.html that is a symlink does not
// lead the bytes to the file it points at.
Outcome write(const QString &programFolder, const QByteArray &bytes);

}  // namespace previewfile
