#include "cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp932 {

// The JIS code points that code page 932 holds under another code point.
static char16_t codePageForm(char16_t c)
{
    switch (c) {
    case u'\u301C': return u'\uFF5E';  // wave dash
    case u'\u2212': return u'\uFF0D';  // minus sign
    case u'\u2016': return u'\u2225';  // double vertical line
    case u'\u00A2': return u'\uFFE0';  // cent sign
    case u'\u00A3': return u'\uFFE1';  // pound sign
    case u'\u00AC': return u'\uFFE2';  // not sign
    case u'\u2014': return u'\u2015';  // em dash
    default: return c;
    }
}

static QString inCodePageForms(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(codePageForm(c.unicode()));
    return out;
}

// A fresh converter each time: its error flag survives a reset.
static std::optional<QByteArray> encodeExactly(QStringView text)
{
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(text);  // encoding is lazy: convert first
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

// Calls back for each code point (a surrogate pair counts as one) with whether
// the code page can hold it.
template <typename Visit>
static void forEachCodePoint(const QString &text, Visit visit)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ? 2
                : 1;
        const QStringView point = QStringView(text).mid(i, length);
        visit(point, encodeExactly(point));
        i += length;
    }
}

QByteArray encode(const QString &text)
{
    const QString mapped = inCodePageForms(text);
    if (auto bytes = encodeExactly(mapped))
        return *bytes;
    QByteArray out;
    forEachCodePoint(mapped, [&out](QStringView, const std::optional<QByteArray> &bytes) {
        out += bytes ? *bytes : QByteArray("?");
    });
    return out;
}

QString unrepresentable(const QString &text)
{
    const QString mapped = inCodePageForms(text);
    if (encodeExactly(mapped))
        return {};
    QString found;
    forEachCodePoint(mapped, [&found](QStringView point, const std::optional<QByteArray> &bytes) {
        if (!bytes && !found.contains(point))
            found += point;
    });
    return found;
}

QString decode(const QByteArray &bytes, bool *ok)
{
    // Stateless, or a lead byte cut off at the end would vanish without an error.
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

}  // namespace cp932
