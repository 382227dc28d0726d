// What the memo reader takes from bytes and what it refuses, the corpus that
// seeds the fuzzer included (which tries random bytes in CI).
#include "memo/cp932.h"
#include "memo/memofile.h"

#include <QDir>
#include <QTest>

class MemoFileTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
};

static const QString M = memofile::marker;

// The record Save writes after New, with one field replaced.
static QByteArray withField(int field, const QString &value)
{
    QStringList fields(53);
    for (int i = 3; i < 22; ++i)
        fields[i] = i == 4 || i == 15 ? "1" : "0";
    if (field >= 0)
        fields[field] = value;
    return cp932::encode(fields.join(M) + M + "\r\n");
}

// "refused", or what was read: "description|last piece|title size|layout".
static QString outcome(const QByteArray &bytes)
{
    const auto r = memofile::read(bytes, nullptr);
    return r ? QString("%1|%2|%3|%4").arg(r->description, r->pieces.back()).arg(r->titleSize).arg(r->layoutMode) : "refused";
}

void MemoFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("read");  // "same": taken, and written back to the same bytes
    auto row = [](const QString &name, const QByteArray &bytes, const QString &read) {
        QTest::newRow(qPrintable(name)) << bytes << read;
    };
    // Every value the window can show is taken; one step outside is refused.
    // The boxes, then Combo4, layout, Combo1, Combo5, Combo2, Combo3, Combo6, Combo7.
    const int highs[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 5, 3, 6, 6, 2, 3};
    for (int field = 3; field <= 21; ++field) {
        const int low = field == 15, high = highs[field - 3];
        for (int value : {low - 1, low, high, high + 1})
            row(QString("field %1 = %2").arg(field).arg(value), withField(field, QString::number(value)),
                value < low || value > high ? "refused" : "same");
    }
    const QByteArray blank = withField(-1, {});
    const QByteArray cut = blank.chopped(M.size() + 2);  // no last marker, no CR LF
    row("empty file", {}, "refused");
    row("51 markers", cut.chopped(M.size()), "refused");
    row("52 markers", cut + "\r\n", "|\r\n|0|1");
    row("52 markers, lone CR", cut + "tail\r", "|tail\r\n|0|1");
    row("52 markers, no line end", cut + "tail", "|tail\r\n|0|1");
    row("text after the record", blank + "more" + M.toLatin1() + "\r\n", "||0|1");
    row("lone CR", withField(1, "one\rtwo\r"), "one\r\ntwo\r\n||0|1");
    row("lone LF", withField(1, "one\ntwo\n"), "one\ntwo\n||0|1");
    row("Japanese", withField(1, "表示\r\n"), "表示\r\n||0|1");
    row("spaces around numbers", withField(14, "  2 "), "||2|1");
    row("cut after a lead byte", blank + "\x82", "refused");
    row("undefined byte", "\x80" + blank, "refused");
    // Linear in the file's size, or these would outlast the test's time limit.
    row("many markers after", blank + M.toLatin1().repeated(100000), "||0|1");
    row("8 MB after", blank + QByteArray(8 << 20, 'x'), "||0|1");
    row("8 MB undefined", QByteArray(8 << 20, '\xff'), "refused");
    for (const char *text : {"+1", "1.5", "", "\t1", "1 1", "１", "32768", "65537", "4294967298"})
        row(QString("number ") + text, withField(14, text), "refused");
    const QDir corpus(qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo");
    for (const QString &name : corpus.entryList({"*.qip"})) {
        QFile file(corpus.filePath(name));
        row(name, file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable",
            name.startsWith("valid-") ? "taken" : "refused");
    }
}

void MemoFileTest::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, read);
    if (read == "same")
        QCOMPARE(memofile::compose(memofile::read(bytes, nullptr).value()), bytes);
    else
        QVERIFY2(read == "taken" ? outcome(bytes) != "refused" : outcome(bytes) == read, qPrintable(outcome(bytes)));
}

QTEST_GUILESS_MAIN(MemoFileTest)
#include "test_memofile.moc"
