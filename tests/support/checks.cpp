#include "checks.h"

#include <QRegularExpression>

namespace checks {

// The listing cut before each tag, so that the first piece that differs can
// be printed whole.
static QStringList piecesAtTags(const QString &html)
{
    static const QRegularExpression beforeTag("(?=<)");
    return html.split(beforeTag, Qt::SkipEmptyParts);
}

// Line ends and tabs made visible, so that a missing CR shows.
static QString visible(const QString &piece)
{
    return QString(piece).replace('\r', "\\r").replace('\n', "\\n").replace('\t', "\\t");
}

QString firstDifference(const QString &actual, const QString &expected)
{
    if (actual == expected)
        return {};
    const QStringList a = piecesAtTags(actual), e = piecesAtTags(expected);
    qsizetype i = 0;
    while (i < a.size() && i < e.size() && a[i] == e[i])
        ++i;
    const auto shown = [i](const QStringList &pieces) {
        return i < pieces.size() ? "«" + visible(pieces[i]) + "»" : QString("(ends here)");
    };
    return QString(
               "listings differ at piece %1 of %2 (actual) and %3 (expected), after «%4»\n"
               "   Actual:   %5\n   Expected: %6")
        .arg(i + 1)
        .arg(a.size())
        .arg(e.size())
        .arg(i > 0 ? visible(a[i - 1]) : QString())
        .arg(shown(a), shown(e));
}

}  // namespace checks
