#include "cp932.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

namespace cp932 {

// The JIS code points that code page 932 holds under another code point.
static char16_t codePageForm(char16_t c)
{
    switch (c) {
    case u'\u301C':
        return u'\uFF5E';  // wave dash
    case u'\u2212':
        return u'\uFF0D';  // minus sign
    case u'\u2016':
        return u'\u2225';  // double vertical line
    case u'\u00A2':
        return u'\uFFE0';  // cent sign
    case u'\u00A3':
        return u'\uFFE1';  // pound sign
    case u'\u00AC':
        return u'\uFFE2';  // not sign
    case u'\u2014':
        return u'\u2015';  // em dash
    default:
        return c;
    }
}

static QString inCodePageForms(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        c = QChar(codePageForm(c.unicode()));
    return out;
}

// Whether the text holds half of a surrogate pair without the other half.
static bool holdsLoneSurrogate(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text.at(i).isSurrogate())
            continue;
        if (!text.at(i).isHighSurrogate() || i + 1 == text.size() ||
            !text.at(i + 1).isLowSurrogate())
            return true;
        ++i;
    }
    return false;
}

// A fresh converter each time: its error flag survives a reset. The
// converter drops a lone surrogate without an error, so those are refused
// before it sees them.
static std::optional<QByteArray> encodeExactly(QStringView text)
{
    if (holdsLoneSurrogate(text))
        return std::nullopt;
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(text);  // encoding is lazy: convert first
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

static bool isOneCodePoint(QStringView text)
{
    return text.size() == 1 ||
           (text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate());
}

// Calls back, in order, with runs of the text the code page holds (and their
// bytes) and with single code points it cannot hold (and no bytes). Halving a
// failing run finds the few bad characters of a long text with a handful of
// conversions instead of one per character.
template <typename Visit>
static void forEachRun(QStringView text, Visit &visit)
{
    if (text.isEmpty())
        return;
    if (auto bytes = encodeExactly(text)) {
        visit(text, bytes);
        return;
    }
    if (isOneCodePoint(text)) {
        visit(text, std::optional<QByteArray>());
        return;
    }
    qsizetype middle = text.size() / 2;
    if (text.at(middle).isLowSurrogate() && text.at(middle - 1).isHighSurrogate())
        middle += middle > 1 ? -1 : 1;  // never split a surrogate pair
    forEachRun(text.first(middle), visit);
    forEachRun(text.sliced(middle), visit);
}

char32_t codePointOf(QStringView character)
{
    return character.size() == 2 ? QChar::surrogateToUcs4(character.at(0), character.at(1))
                                 : character.at(0).unicode();
}

QByteArray encode(const QString &text, Unwritable as)
{
    QByteArray out;
    auto append = [&out, as](QStringView point, const std::optional<QByteArray> &bytes) {
        if (bytes)
            out += *bytes;
        else if (as == Unwritable::QuestionMark)
            out += '?';
        else {
            const char32_t code = codePointOf(point);
            out += "&#" + QByteArray::number(QChar::isSurrogate(code) ? 0xFFFDu : uint(code)) + ';';
        }
    };
    forEachRun(inCodePageForms(text), append);
    return out;
}

QStringList unrepresentable(const QString &text)
{
    QStringList found;
    QSet<QString> seen;
    auto collect = [&](QStringView point, const std::optional<QByteArray> &bytes) {
        if (!bytes && !seen.contains(point.toString())) {
            seen.insert(point.toString());
            found << point.toString();
        }
    };
    forEachRun(inCodePageForms(text), collect);
    return found;
}

std::optional<QString> decode(const QByteArray &bytes, QString *error)
{
    // Stateless, or a lead byte cut off at the end would vanish without an error.
    QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    if (error)
        *error = QStringLiteral("Shift-JIS として読めない文字が含まれています。");
    return std::nullopt;
}

}  // namespace cp932
