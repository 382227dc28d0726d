#include "memofile.h"

#include "composer/choicetable.h"
#include "composer/colourtables.h"
#include "cp932.h"

namespace memofile {

// Field positions. Existing files depend on this order.
static constexpr int firstCheckField = 3;
static constexpr int titleSizeField = firstCheckField + MemoRecord::checkCount;  // 14
static constexpr int layoutField = titleSizeField + 1;
static constexpr int firstColourField = layoutField + 1;
static constexpr int firstPieceField = firstColourField + MemoRecord::colourListCount;  // 22
static_assert(firstPieceField + EditorState::layoutPieceCount == fieldCount);

static const QString crLf = QStringLiteral("\r\n");

// The colour lists in file order.
static const std::array<const ChoiceTable *, MemoRecord::colourListCount> colourLists{
    &colourtables::frame,    &colourtables::text,     &colourtables::headCell,
    &colourtables::bodyCell, &colourtables::headText, &colourtables::bodyText};

template <typename Record>
static auto &numberField(Record &record, int field)
{
    if (field < titleSizeField)
        return record.checks[field - firstCheckField];
    if (field == titleSizeField)
        return record.titleSize;
    if (field == layoutField)
        return record.layoutMode;
    return record.colours[field - firstColourField];
}

struct Range {
    int low, high;
};

// What the window can show: a box has three states, a list index lies inside
// its list, and there are three layouts.
static Range allowedRange(int field)
{
    if (field < titleSizeField)
        return {0, 2};
    if (field == titleSizeField)
        return {0, int(titleSizes.items.size()) - 1};
    if (field == layoutField)
        return {1, 3};
    return {0, int(colourLists[field - firstColourField]->items.size()) - 1};
}

QString text(const MemoRecord &record)
{
    QString out;
    auto put = [&out](const QString &field) {
        out += field;
        out += marker;
    };
    put(record.title);
    put(record.description);
    put(record.other);
    for (int field = firstCheckField; field < firstPieceField; ++field)
        put(QString::number(numberField(record, field)));
    for (const QString &piece : record.pieces)
        put(piece);
    return out + crLf;
}

QByteArray compose(const MemoRecord &record) { return cp932::encode(text(record)); }

// A decimal integer with optional spaces around it that fits 16 bits; no "+",
// no fraction.
static std::optional<qint16> number(QStringView part)
{
    while (part.startsWith(u' '))
        part = part.sliced(1);
    while (part.endsWith(u' '))
        part.chop(1);
    const bool negative = part.startsWith(u'-');
    if (negative)
        part = part.sliced(1);
    if (part.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : part) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 32768)  // stops long digit strings before they overflow
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > 32767)
        return std::nullopt;
    return qint16(value);
}

// The file is read in lines ending at CR LF or at a lone CR, and every line is
// put back with CR LF: a lone CR becomes CR LF, a lone LF stays. Markers hold
// neither, so this can be done part by part; the part that runs to the end of
// the file also gets the CR LF of its last line.
static QString withLineEnds(QStringView part, bool runsToEnd)
{
    QString out;
    qsizetype from = 0;
    for (qsizetype cr = part.indexOf(u'\r'); cr >= 0; cr = part.indexOf(u'\r', from)) {
        out += part.sliced(from, cr - from);
        out += crLf;
        from = cr + 1;
        if (from < part.size() && part.at(from) == u'\n')
            ++from;
    }
    out += part.sliced(from);
    if (runsToEnd && !out.endsWith(crLf))
        out += crLf;
    return out;
}

static QString fieldMeaning(int field)
{
    if (field < titleSizeField)
        return QStringLiteral("チェックの状態");
    if (field == titleSizeField)
        return QStringLiteral("タイトルの大きさ");
    if (field == layoutField)
        return QStringLiteral("枠の種類");
    return QStringLiteral("色の選択");
}

std::optional<MemoRecord> read(const QByteArray &bytes, QString *error)
{
    auto refused = [error](const QString &reason) {
        if (error)
            *error = reason;
        return std::optional<MemoRecord>();
    };
    // Split after decoding: a trail byte may look like ASCII.
    const std::optional<QString> decoded = cp932::decode(bytes, error);
    if (!decoded)
        return std::nullopt;

    // Parts from 53 on are never looked at, however many markers follow.
    const QStringView all(*decoded);
    std::array<QStringView, fieldCount> parts;
    bool lastRunsToEnd = false;
    qsizetype from = 0;
    for (int i = 0; i < fieldCount; ++i) {
        const qsizetype at = all.indexOf(marker, from);
        if (at < 0) {
            // Without the 53rd marker the last piece is the rest of the file.
            if (i < fieldCount - 1)
                return refused(QStringLiteral(
                    "項目が足りません。ルミタファイルでないか、途中で切れています。"));
            parts[i] = all.sliced(from);
            lastRunsToEnd = true;
            break;
        }
        parts[i] = all.sliced(from, at - from);
        from = at + marker.size();
    }

    MemoRecord record;
    for (int field = firstCheckField; field < firstPieceField; ++field) {
        const auto value = number(parts[field]);
        const Range range = allowedRange(field);
        if (!value || *value < range.low || *value > range.high)
            return refused(QStringLiteral("%1 番目の項目（%2）の値が正しくありません。")
                               .arg(field + 1)
                               .arg(fieldMeaning(field)));
        numberField(record, field) = *value;
    }
    record.title = withLineEnds(parts[0], false);
    record.description = withLineEnds(parts[1], false);
    record.other = withLineEnds(parts[2], false);
    for (int n = 0; n < EditorState::layoutPieceCount; ++n) {
        const int field = firstPieceField + n;
        record.pieces[n] = withLineEnds(parts[field], lastRunsToEnd && field == fieldCount - 1);
    }
    return record;
}

}  // namespace memofile
