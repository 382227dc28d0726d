#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Whole-file reads and writes for the file commands. On failure, error (when
// not null) receives a sentence for the user.
namespace diskfile {

// Why a file larger than maxSize is refused.
QString tooLarge(qint64 maxSize);

// The file's bytes, or nothing when they could not be read. A file larger
// than maxSize is refused without reading it all.
std::optional<QByteArray> load(const QString &path, qint64 maxSize, QString *error);

// Whether a file written must be on the disk itself before it counts as
// written, or may stay in the system's cache a while.
enum class Durability { Synced, Cached };

// Replaces the file at path with the bytes, whole or not at all: on any
// failure a file already there stays as it was, and error receives the step
// that failed and its cause. A symlink at path leads to the file replaced;
// the bytes are synced to the disk.
bool save(const QString &path, const QByteArray &bytes, QString *error);

// The same for a file of the program's own: whatever stands at path, a
// symlink too, is replaced by a new file, never written through.
bool replace(const QString &path, const QByteArray &bytes, Durability durability, QString *error);

}  // namespace diskfile
