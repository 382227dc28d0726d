#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Code page 932 (Shift-JIS as Windows writes it), the encoding of every file
// the program reads and writes.
namespace cp932 {

// What a character the code page cannot hold becomes: "?" in a memo file, or
// an HTML numeric character reference ("&#9825;") in a page, where the
// browser shows the character itself.
enum class Unwritable { QuestionMark, CharacterReference };

// The text as code page 932 bytes. Characters that Linux input methods type
// under their JIS code points ("〜" U+301C and the like) are written as the
// code page's own form of the same character; anything else the code page
// cannot hold, a lone half of a UTF-16 surrogate pair among them, is written
// as `as` says (a lone half as U+FFFD's reference).
QByteArray encode(const QString &text, Unwritable as = Unwritable::QuestionMark);

// The distinct characters of the text that encode() cannot write, each a
// code point (a surrogate pair, or a lone half of one), in order of first
// appearance.
QStringList unrepresentable(const QString &text);

// The code point of one character as unrepresentable() gives it.
char32_t codePointOf(QStringView character);

// The bytes as text, or nothing when they hold a sequence the code page does
// not define; error (when not null) then says so.
std::optional<QString> decode(const QByteArray &bytes, QString *error);

}  // namespace cp932
