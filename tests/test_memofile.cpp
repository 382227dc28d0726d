// The memo file format: reading rules, refusals, round trips, hostile input.
// Round trips of texts, box states and layouts run over the corpus files.
#include "memo/cp932.h"
#include "memo/memofile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

using memofile::ReadError;
using Kind = ReadError::Kind;
static const QString M = memofile::marker;

class MemoFileTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void hostileInput();
};

// A blank record's file with one field replaced.
static QByteArray withField(int field, const QString &value)
{
    QStringList parts = memofile::text(MemoRecord{}).split(M);
    parts[field] = value;
    return cp932::encode(parts.join(M));
}

// "ok" for a record, else the kind of refusal and the field at fault.
static QString outcome(const std::variant<MemoRecord, ReadError> &result)
{
    const auto *error = std::get_if<ReadError>(&result);
    return !error ? "ok" : QString("%1@%2").arg(int(error->kind)).arg(error->field);
}
static QString refused(Kind kind, int field = -1) { return outcome(ReadError{kind, field}); }

// Whatever is taken is read back the same after writing; "same" also asks for
// the very bytes back, and "description|last piece|title size" for those values.
void MemoFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("outcome");  // or "refused", for any refusal
    QTest::addColumn<QString>("read");
    auto row = [](const QString &name, const QByteArray &bytes, const QString &outcome,
                  const QString &read = {}) {
        QTest::newRow(qPrintable(name)) << bytes << outcome << read;
    };
    // Every value the window can show is taken; one step outside is refused.
    // Boxes, then Combo4, layout, Combo1, Combo5, Combo2, Combo3, Combo6, Combo7.
    const int highs[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 5, 3, 6, 6, 2, 3};
    for (int field = 3; field <= 21; ++field)
        for (int value = (field == 15) - 1; value <= highs[field - 3] + 1; ++value) {
            const bool shown = value >= (field == 15) && value <= highs[field - 3];
            row(QString("field %1 = %2").arg(field).arg(value),
                withField(field, QString::number(value)),
                shown ? "ok" : refused(Kind::BadNumber, field), "same");
        }

    const QByteArray blank = memofile::compose(MemoRecord{});
    const QByteArray cut = blank.chopped(M.size() + 2);  // no last marker, no CR LF
    row("empty file", {}, refused(Kind::TooFewFields));
    row("51 markers", cut.chopped(M.size()), refused(Kind::TooFewFields));
    row("52 markers", cut + "\r\n", "ok", "|\r\n|0");
    row("52 markers, lone CR", cut + "tail\r", "ok", "|tail\r\n|0");
    row("text after the record", blank + "more" + M.toLatin1() + "\r\n", "ok", "||0");
    row("lone CR", withField(1, "one\rtwo\r"), "ok", "one\r\ntwo\r\n||0");
    row("lone LF", withField(1, "one\ntwo\n"), "ok", "one\ntwo\n||0");
    row("cut after a lead byte", blank + "\x82", refused(Kind::Encoding));
    row("undefined byte", "\x80" + blank, refused(Kind::Encoding));
    row("spaces around a number", withField(14, "  2 "), "ok", "||2");
    for (const QString &text : QStringList{"+1", "1.5", "-1", "", "\t1", "1 1", "１", "32768",
                                           "65537", "4294967297", QString(10000, '9')})
        row("number " + text.left(10), withField(14, text), refused(Kind::BadNumber, 14));

    // The corpus that also seeds the fuzzer: valid-* taken, bad-* refused.
    const QDir folder(qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo");
    for (const QString &name : folder.entryList({"*.qip"})) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        row(name, file.readAll(), name.startsWith("valid-") ? "ok" : "refused");
    }
}

void MemoFileTest::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, outcome);
    QFETCH(QString, read);
    const auto result = memofile::read(bytes);
    if (outcome == "refused")
        QVERIFY(::outcome(result) != "ok");
    else
        QCOMPARE(::outcome(result), outcome);
    const auto *record = std::get_if<MemoRecord>(&result);
    if (!record)
        return;
    QVERIFY(std::get<MemoRecord>(memofile::read(memofile::compose(*record))) == *record);
    if (read == "same")
        QCOMPARE(memofile::compose(*record), bytes);
    else if (!read.isEmpty())
        QCOMPARE(QString("%1|%2|%3")
                     .arg(record->description, record->pieces.back())
                     .arg(record->titleSize),
                 read);
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
    QCOMPARE(outcome(memofile::read(blank + M.toLatin1().repeated(100000))), "ok");
    QCOMPARE(outcome(memofile::read(blank + QByteArray(50 << 20, 'x'))), "ok");
    QCOMPARE(outcome(memofile::read(QByteArray(50 << 20, '\xff'))), refused(Kind::Encoding));
    QVERIFY2(timer.elapsed() < 20000, "reading must stay linear in the file's size");
}

QTEST_GUILESS_MAIN(MemoFileTest)
#include "test_memofile.moc"
