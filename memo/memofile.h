#pragma once

#include "memorecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The memo file format: 53 fields, each followed by the marker, then CR LF, in
// code page 932. Pure functions over bytes; the commands do the dialogs.
namespace memofile {

inline const QString marker = QStringLiteral("<qip.$>");
inline constexpr int fieldCount = 53;

// The file's text before encoding.
QString text(const MemoRecord &record);
// The file's bytes; characters code page 932 cannot hold become "?".
QByteArray compose(const MemoRecord &record);
// The record the bytes hold, or nothing when they hold none; error (when not
// null) then tells the user what is wrong with the file. Safe on any input.
std::optional<MemoRecord> read(const QByteArray &bytes, QString *error);

}  // namespace memofile
