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

// Whether a file written must be on the disk itself before it counts as
// written, or may stay in the system's cache a while.
enum class Durability { Synced, Cached };

// Replaces the file at path with the bytes, whole or not at all: on any
// failure a file already there stays as it was. Returns why it failed (the
// step and its cause, in Japanese), or an empty text. A symlink at path
// leads to the file replaced; the bytes are synced to the disk.
QString save(const QString &path, const QByteArray &bytes);

// The same for a file of the program's own: whatever stands at path, a
// symlink too, is replaced by a new file, never written through.
QString replace(const QString &path, const QByteArray &bytes, Durability durability);

}  // namespace diskfile
