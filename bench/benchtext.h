#pragma once

#include <QString>

// A description of about the given number of bytes as the text boxes hold it
// (UTF-16, so bytes / 2 characters): Japanese lines of 38 characters, each
// ending in CR LF as the model keeps line breaks.
inline QString descriptionOfBytes(qsizetype bytes)
{
    static const QString line = QStringLiteral(
        "ご覧いただきありがとうございます。状態は良好で、目立つ傷や汚れはありません。");
    const qsizetype characters = bytes / 2;
    QString text;
    text.reserve(characters);
    while (text.size() < characters) {
        text += line.left(qMin(line.size(), characters - text.size()));
        if (text.size() + 2 <= characters)
            text += QStringLiteral("\r\n");
        else
            text += QString(characters - text.size(), u'。');
    }
    return text;
}

// The sizes every keystroke benchmark runs at.
inline constexpr qsizetype benchSizes[] = {1 << 10, 10 << 10, 100 << 10, 1 << 20};

inline QByteArray sizeTag(qsizetype bytes)
{
    return bytes >= (1 << 20) ? QByteArray::number(bytes >> 20) + " MB"
                              : QByteArray::number(bytes >> 10) + " KB";
}
