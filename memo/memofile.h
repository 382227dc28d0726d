#pragma once

#include "memorecord.h"

#include <QByteArray>
#include <QString>
#include <variant>

// The memo file format: 53 fields, each followed by the marker, then CR LF, in
// code page 932. Pure functions over bytes; the commands do the dialogs.
namespace memofile {

inline const QString marker = QStringLiteral("<qip.$>");
inline constexpr int fieldCount = 53;

// Why bytes hold no record.
struct ReadError {
    enum class Kind {
        Encoding,      // not code page 932
        TooFewFields,  // fewer than 52 markers
        BadNumber,     // not a 16-bit decimal integer, or outside what its control can show
    };
    Kind kind;
    int field = -1;  // for BadNumber, the field counted from 0
    friend bool operator==(const ReadError &, const ReadError &) = default;
};

// The file's text before encoding.
QString text(const MemoRecord &record);
// The file's bytes; characters code page 932 cannot hold become "?".
QByteArray compose(const MemoRecord &record);
// The record the bytes hold, or why they hold none. Safe on any input.
std::variant<MemoRecord, ReadError> read(const QByteArray &bytes);
// One sentence telling the user what is wrong with the file.
QString explain(const ReadError &error);

}  // namespace memofile
