// What the memo reader takes from bytes and what it refuses (the fuzzer
// tries random bytes in CI).
#include "memo/cp932.h"
#include "memo/memofile.h"

#include <QTest>

class MemoFileTest : public QObject {
    Q_OBJECT
private slots:
    // What the reader takes, seen in what Save writes of it again, and what it refuses.
    void reading_data();
    void reading();
};

static const QByteArray M = memofile::marker.toLatin1();

// The record Save writes after New, with one field replaced.
static QByteArray withField(int field, const QString &value)
{
    QStringList fields(53);
    for (int i = 3; i < 22; ++i)
        fields[i] = i == 4 || i == 15 ? "1" : "0";
    if (field >= 0)
        fields[field] = value;
    return cp932::encode(fields.join(memofile::marker) + memofile::marker + "\r\n");
}

void MemoFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("savedAgain");  // empty: refused
    auto row = [](const QString &name, const QByteArray &bytes, const QByteArray &savedAgain) {
        QTest::newRow(qPrintable(name)) << bytes << savedAgain;
    };
    // Every value the window can show is taken; one step outside is refused.
    // The boxes, then Combo4, layout, Combo1, Combo5, Combo2, Combo3, Combo6, Combo7.
    const int highs[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 5, 3, 6, 6, 2, 3};
    for (int field = 3; field <= 21; ++field) {
        const int low = field == 15, high = highs[field - 3];
        for (int value : {low - 1, low, high, high + 1}) {
            const QByteArray bytes = withField(field, QString::number(value));
            row(QString("field %1 = %2").arg(field).arg(value), bytes, value < low || value > high ? QByteArray() : bytes);
        }
    }
    const QByteArray blank = withField(-1, {});
    const QByteArray cut = blank.chopped(M.size() + 2);  // no last marker, no CR LF
    row("empty file", {}, {});
    row("51 markers", cut.chopped(M.size()), {});
    row("52 markers", cut + "\r\n", cut + "\r\n" + M + "\r\n");
    row("52 markers, lone CR", cut + "tail\r", cut + "tail\r\n" + M + "\r\n");
    row("52 markers, no line end", cut + "tail", cut + "tail\r\n" + M + "\r\n");
    row("text after the record", blank + "more" + M + "\r\n", blank);
    row("lone CR", withField(1, "one\rtwo\r"), withField(1, "one\r\ntwo\r\n"));
    row("lone LF", withField(1, "one\ntwo\n"), withField(1, "one\ntwo\n"));
    row("Japanese", withField(1, "表示\r\n"), M + "\x95\x5c\x8e\xa6\r\n" + blank.mid(M.size()));
    row("spaces around numbers", withField(14, "  2 "), withField(14, "2"));
    row("cut after a lead byte", blank + "\x82", {});
    row("undefined byte", "\x80" + blank, {});
    // Linear in the file's size, or these would outlast the test's time limit.
    row("many markers after", blank + M.repeated(100000), blank);
    row("8 MB after", blank + QByteArray(8 << 20, 'x'), blank);
    row("8 MB undefined", QByteArray(8 << 20, '\xff'), {});
    for (const char *text : {"+1", "1.5", "", "\t1", "1 1", "１", "32768", "65537", "4294967298"})
        row(QString("number ") + text, withField(14, text), {});
}

void MemoFileTest::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, savedAgain);
    QString error;
    const auto record = memofile::read(bytes, &error);
    QCOMPARE(record.has_value(), !savedAgain.isEmpty());
    QCOMPARE(error.isEmpty(), record.has_value());  // a refusal always says why
    if (record)
        QCOMPARE(memofile::compose(*record), savedAgain);
}

QTEST_GUILESS_MAIN(MemoFileTest)
#include "test_memofile.moc"
