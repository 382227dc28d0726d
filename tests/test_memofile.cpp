// The memo file format: reading rules, refusals, round trips, hostile input.
// Round trips of texts, box states and layouts run over the corpus files.
#include "memo/cp932.h"
#include "memo/memofile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using Kind = memofile::ReadError::Kind;
static const QString M = memofile::marker;

class MemoFileTest : public QObject {
    Q_OBJECT
private slots:
    void numberRanges_data();
    void numberRanges();
    void readingRules_data();
    void readingRules();
    void corpus_data();
    void corpus();
    void hostileInput();
};

// A blank record's file with one field replaced.
static QByteArray withField(int field, const QString &value)
{
    QStringList parts = memofile::text(MemoRecord{}).split(M);
    parts[field] = value;
    return cp932::encode(parts.join(M));
}

// -1 for a record, else the kind of refusal.
static int errorOf(const std::variant<MemoRecord, memofile::ReadError> &result)
{
    const auto *error = std::get_if<memofile::ReadError>(&result);
    return error ? int(error->kind) : -1;
}

void MemoFileTest::numberRanges_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    for (int field = 3; field <= 13; ++field)
        QTest::addRow("box %d", field) << field << 0 << 2;
    // Combo4, layout, Combo1, Combo5, Combo2, Combo3, Combo6, Combo7
    const int highs[] = {2, 3, 5, 3, 6, 6, 2, 3};
    for (int field = 14; field <= 21; ++field)
        QTest::addRow("list %d", field) << field << (field == 15 ? 1 : 0) << highs[field - 14];
}

// Every value the window can show is read back; one step outside is refused.
void MemoFileTest::numberRanges()
{
    QFETCH(int, field);
    QFETCH(int, low);
    QFETCH(int, high);
    for (int value = low - 1; value <= high + 1; ++value) {
        const QByteArray bytes = withField(field, QString::number(value));
        const auto read = memofile::read(bytes);
        if (value < low || value > high)
            QVERIFY(std::get<memofile::ReadError>(read) ==
                    (memofile::ReadError{Kind::BadNumber, field}));
        else
            QCOMPARE(memofile::compose(std::get<MemoRecord>(read)), bytes);
    }
}

void MemoFileTest::readingRules_data()
{
    const QByteArray blank = memofile::compose(MemoRecord{});
    const QByteArray cut = blank.chopped(M.size() + 2);  // no last marker, no CR LF
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("lastPiece");
    QTest::addColumn<int>("titleSize");
    auto row = [](const char *name, const QByteArray &bytes, int error,
                  const QString &description = {}, const QString &lastPiece = {},
                  int titleSize = 0) {
        QTest::newRow(name) << bytes << error << description << lastPiece << titleSize;
    };
    row("empty file", {}, int(Kind::TooFewFields));
    row("51 markers", cut.chopped(M.size()), int(Kind::TooFewFields));
    row("52 markers", cut + "\r\n", -1, "", "\r\n");
    row("52 markers, no line end", cut + "tail", -1, "", "tail\r\n");
    row("52 markers, lone CR", cut + "tail\r", -1, "", "tail\r\n");
    row("text after the record", blank + "more" + M.toLatin1() + "\r\n", -1);
    row("lone CR", withField(1, "one\rtwo"), -1, "one\r\ntwo");
    row("lone CR before a marker", withField(1, "one\r"), -1, "one\r\n");
    row("lone LF", withField(1, "one\ntwo\n"), -1, "one\ntwo\n");
    row("cut after a lead byte", blank + "\x82", int(Kind::Encoding));
    row("undefined byte", "\x80" + blank, int(Kind::Encoding));
    row("spaces around a number", withField(14, "  2 "), -1, "", "", 2);
    row("leading zeros", withField(14, "002"), -1, "", "", 2);
    const char *badNumbers[] = {"+1", "1.5", "-1", "", "\t1", "1 1", "１", "32768",
                                "65537" /* 1 in 16 bits */, "4294967297" /* 1 in 32 bits */};
    for (const char *text : badNumbers)
        row(qPrintable(QString("number \"%1\"").arg(text)), withField(14, text),
            int(Kind::BadNumber));
    row("endless digits", withField(14, QString(10000, '9')), int(Kind::BadNumber));
}

void MemoFileTest::readingRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, error);
    const auto read = memofile::read(bytes);
    QCOMPARE(errorOf(read), error);
    if (error == -1) {
        const MemoRecord &record = std::get<MemoRecord>(read);
        QTEST(record.description, "description");
        QTEST(record.pieces.back(), "lastPiece");
        QTEST(int(record.titleSize), "titleSize");
    }
}

// The corpus that also seeds the fuzzer: valid-* taken, bad-* refused, and
// what is taken written back as it was read.
void MemoFileTest::corpus_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo");
    for (const QString &name : folder.entryList({"*.qip"}))
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

void MemoFileTest::corpus()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto read = memofile::read(file.readAll());
    QCOMPARE(errorOf(read) == -1, path.contains("/valid-"));
    if (const auto *record = std::get_if<MemoRecord>(&read))
        QVERIFY(std::get<MemoRecord>(memofile::read(memofile::compose(*record))) == *record);
}

void MemoFileTest::hostileInput()
{
    QRandomGenerator random(6);
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes(random.bounded(4000), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(random.bounded(256));
        (void)memofile::read(i % 2 ? bytes : (M.toLatin1() + bytes.toHex()).repeated(60));
    }
    const QByteArray blank = memofile::compose(MemoRecord{});
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(errorOf(memofile::read(blank + M.toLatin1().repeated(100000))), -1);
    QCOMPARE(errorOf(memofile::read(blank + QByteArray(50 << 20, 'x'))), -1);
    QCOMPARE(errorOf(memofile::read(QByteArray(50 << 20, '\xff'))), int(Kind::Encoding));
    QVERIFY2(timer.elapsed() < 20000, "reading must stay linear in the file's size");
}

QTEST_GUILESS_MAIN(MemoFileTest)
#include "test_memofile.moc"
