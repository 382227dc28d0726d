#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// Whole-file reads and writes for the file commands. Failures come back as a
// sentence for the user.
namespace diskfile {

// Why a file larger than maxSize is refused.
QString tooLarge(qint64 maxSize);

// The file's bytes, or why they could not be read. A file larger than
// maxSize is refused without reading it all.
std::variant<QByteArray, QString> load(const QString &path, qint64 maxSize);

// Replaces the file at path with the bytes, whole or not at all: on any
// failure a file already there stays as it was. Returns why it failed, or an
// empty text.
QString save(const QString &path, const QByteArray &bytes);

}  // namespace diskfile
