#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 (Shift-JIS as Windows writes it), the encoding of every file
// the program reads and writes.
namespace cp932 {

// The text as code page 932 bytes. Characters that Linux input methods type
// under their JIS code points ("〜" U+301C and the like) are written as the
// code page's own form of the same character; anything else the code page
// cannot hold becomes "?".
QByteArray encode(const QString &text);

// The distinct characters of the text that encode() would turn into "?", in
// order of first appearance.
QString unrepresentable(const QString &text);

// The bytes as text; ok is false when they hold a sequence the code page does
// not define (which then reads as U+FFFD).
QString decode(const QByteArray &bytes, bool *ok = nullptr);

}  // namespace cp932
