#pragma once

#include <QString>
#include <QTest>

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

// The pattern repeated to as many characters.
inline QString repeatedTo(const QString &pattern, qsizetype characters)
{
    QString text;
    text.reserve(characters);
    while (text.size() < characters)
        text += pattern.left(characters - text.size());
    return text;
}

// A token without a space or a line break, as a pasted picture in base64 or a
// long address is.
inline QString unbrokenToken(qsizetype characters)
{
    return repeatedTo(QStringLiteral("iVBORw0KGgoAAAANSUhEUgAAAAEAAAAB/+8="), characters);
}

// HTML with no line break, as a page's source copied from a browser often is.
inline QString oneLineOfHtml(qsizetype characters)
{
    return repeatedTo(
        QStringLiteral("<div class=\"item\"><a href=\"https://example.com/item?id=42\">"
                       "商品の説明</a></div>"),
        characters);
}

// As many lines of one character each.
inline QString shortLines(qsizetype lines)
{
    QString text;
    text.reserve(lines * 3);
    for (qsizetype i = 0; i < lines; ++i)
        text += i + 1 < lines ? QStringLiteral("x\r\n") : QStringLiteral("x");
    return text;
}

// The sizes every keystroke benchmark runs at.
inline constexpr qsizetype benchSizes[] = {1 << 10, 10 << 10, 100 << 10, 1 << 20};

inline QByteArray sizeTag(qsizetype bytes)
{
    return bytes >= (1 << 20) ? QByteArray::number(bytes >> 20) + " MB"
                              : QByteArray::number(bytes >> 10) + " KB";
}

// The descriptions a keystroke is measured in: the sizes above, then the
// shapes that are hard on a text view.
inline void addDescriptionRows()
{
    QTest::addColumn<QString>("description");
    for (qsizetype bytes : benchSizes)
        QTest::newRow(sizeTag(bytes)) << descriptionOfBytes(bytes);
    QTest::newRow("unbroken 16k") << unbrokenToken(16 * 1024);
    QTest::newRow("unbroken 30k") << unbrokenToken(30'000);
    QTest::newRow("unbroken 100k") << unbrokenToken(100'000);
    QTest::newRow("1M short lines") << shortLines(1'000'000);
}
