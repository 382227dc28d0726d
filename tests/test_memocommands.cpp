// New, Open and Save through a scripted desktop, on files in a temporary folder.
#include "formfixture.h"
#include "memo/memofile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

class MemoCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void newAndOpenAsk();
    void workedExampleAndPiecesAfterNew();
    void saveThenOpen_data();
    void saveThenOpen();
    void refusedAndAskedTexts();
    void failedSave_data();
    void failedSave();
    void failedOpen_data();
    void failedOpen();
};

static QString dataFile(const QString &name)
{
    return qEnvironmentVariable("RUMITA_TEST_DATA") + "/memo/" + name;
}

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Everything a command may change, pictures aside (they follow the frame
// switch's history, not the file).
static QStringList snapshot(FormFixture &f)
{
    QStringList out;
    for (const Control *control : f.form.findChildren<Control *>()) {
        QString value;
        if (auto *text = qobject_cast<const TextBox *>(control))
            value = text->text();
        else if (auto *box = qobject_cast<const CheckBox *>(control))
            value = QString::number(box->value());
        else if (auto *list = qobject_cast<const ComboBox *>(control))
            value = QString::number(list->index());
        else
            continue;
        out << QString("%1=%2 %3").arg(control->objectName(), value).arg(control->isEnabled());
    }
    const EditorState &s = f.s;
    out << s.syuturyoku << s.memoFilePath << QString::number(s.layoutMode * 10 + s.editedFlag);
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        out << s.layoutPiece(n);
    return out;
}

void MemoCommandsTest::newAndOpenAsk()
{
    FormFixture f;
    MainForm &m = f.form;
    m.openMemo();  // no edit, no question
    QCOMPARE(f.ui.fileDialogs, QStringList{"open|ルミタファイル (*.qip)|*.qip"});
    m.Text1.setText("題名");
    m.Check11.click();
    m.Combo2.pick(3);
    const QStringList before = snapshot(f);
    f.ui.answers << UserInterface::no << UserInterface::no;
    f.ui.fileNames << dataFile("valid-custom.qip");
    m.newMemo();
    m.openMemo();
    QCOMPARE(f.ui.questions, QStringList({"新規作成|現在のデーターは失われます！\r\n  新規作成しますか？",
                                          "読み込み|読み込みをすると現在のデーターは失われます？"}));
    QCOMPARE(snapshot(f), before);
    QCOMPARE(f.ui.fileDialogs.size(), 1);

    m.newMemo();
    FormFixture fresh;  // the same blank state whatever came before
    fresh.form.newMemo();
    QCOMPARE(snapshot(f), snapshot(fresh));
    QVERIFY(m.Text4.text().isEmpty() && f.s.syuturyoku.contains("■商品名■"));
    QVERIFY(m.Check1.value() == 1 && m.Check5.value() == 1 && f.s.layoutMode == 1);
    QVERIFY(f.s.editedFlag == 0 && f.s.openAnswer == UserInterface::yes);
    fresh.form.Text2.setText("x");
    QCOMPARE(fresh.form.Text4.text(), fresh.s.syuturyoku);

    m.openMemo();  // after New, none; the custom-frame file switches the window
    QVERIFY(f.ui.questions.size() == 3 && f.s.layoutMode == 2);
    m.Check2.click();
    m.openMemo();
    QCOMPARE(f.ui.questions.size(), 4);
    QVERIFY(f.ui.messages.isEmpty());  // cancelled dialogs say nothing
}

void MemoCommandsTest::workedExampleAndPiecesAfterNew()
{
    QTemporaryDir dir;
    FormFixture f;
    f.form.newMemo();
    f.form.Text1.setText("ABC");
    f.ui.fileNames << dir.filePath("abc.qip");
    f.form.saveMemo();
    QCOMPARE(contents(dir.filePath("abc.qip")), contents(dataFile("valid-standard.qip")));
    QCOMPARE(f.ui.fileDialogs, QStringList{"save|ルミタファイル (*.qip)|*.qip"});
    QVERIFY(f.s.memoFilePath == dir.filePath("abc.qip") && f.s.editedFlag == 1);

    // Pieces come only from an opened file and stay through New.
    f.ui.fileNames << dataFile("valid-layout3.qip") << dir.filePath("after-new.qip");
    f.form.openMemo();
    f.form.newMemo();
    f.form.saveMemo();
    const auto opened = memofile::read(contents(dataFile("valid-layout3.qip")));
    const auto saved = memofile::read(contents(dir.filePath("after-new.qip")));
    QVERIFY(std::get<MemoRecord>(saved).pieces == std::get<MemoRecord>(opened).pieces);
}

void MemoCommandsTest::saveThenOpen_data()
{
    QTest::addColumn<int>("layout");
    QTest::newRow("standard frame") << 1;
    QTest::newRow("custom frame") << 2;
    QTest::newRow("file-defined layout") << 3;
}

// Save then Open restores every stored value (saved again, the file is the
// same), and Open re-derives the whole window whatever it showed before.
void MemoCommandsTest::saveThenOpen()
{
    QFETCH(int, layout);
    QTemporaryDir dir;
    const QString path = dir.filePath("memo.qip");
    FormFixture original;
    MainForm &m = original.form;
    original.ui.fileNames << dataFile("valid-layout3.qip");
    if (layout == 3)
        m.openMemo();
    m.Text1.setText("表示のテスト");
    m.Text2.setText("一行目\r\n二行目");
    m.Check20.click(), m.Check12.click(), m.Combo4.pick(2), m.Combo5.pick(3);
    if (layout == 2)
        m.Check11.click(), m.Combo2.pick(6), m.Check13.click();
    original.ui.fileNames = {path};
    m.saveMemo();

    FormFixture fresh, busy;
    busy.form.Check11.click(), busy.form.Check9.click(), busy.form.Combo2.pick(3);
    busy.form.Text3.setText("前の内容");
    for (FormFixture *f : {&fresh, &busy}) {
        f->ui.fileNames << path << dir.filePath("again.qip");
        f->form.openMemo();
        QVERIFY(f->s.layoutMode == layout && f->form.Check11.value() == (layout == 1 ? 0 : 1));
        QVERIFY(f->form.Text4.text() == f->s.syuturyoku && f->s.syuturyoku.contains("表示のテスト"));
        f->form.saveMemo();
        QCOMPARE(contents(dir.filePath("again.qip")), contents(path));
    }
    QCOMPARE(snapshot(busy), snapshot(fresh));
    if (layout != 3)
        return;
    // The file's layout holds until Check1 leaves it, for good.
    QVERIFY(fresh.form.Combo2.isEnabled() && fresh.s.syuturyoku.contains("<!--piece20-->"));
    fresh.form.Check1.click();
    QCOMPARE(fresh.s.layoutMode, 1);
    fresh.form.Check1.click();
    QVERIFY(fresh.s.layoutMode == 2 && !fresh.s.syuturyoku.contains("<!--piece"));
}

void MemoCommandsTest::refusedAndAskedTexts()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.qip");
    FormFixture f;
    const std::pair<TextBox *, QString> boxes[] = {
        {&f.form.Text1, "タイトル"}, {&f.form.Text2, "説明本文"}, {&f.form.Text3, "その他"}};
    for (const auto &[box, name] : boxes) {
        box->setText("前<qip.$>後");
        f.form.saveMemo();
        QVERIFY(f.ui.messages.takeFirst().startsWith("ルミタ|「" + name + "」に「<qip.$>」"));
        box->setText({});
    }

    f.form.Text2.setText("café😀〜");
    f.ui.answers << UserInterface::no;
    f.form.saveMemo();
    QVERIFY(f.ui.questions.size() == 1 && f.ui.questions[0].startsWith("ルミタ|"));
    QVERIFY(!f.ui.questions[0].contains("〜"));
    QVERIFY(f.ui.questions[0].contains("「é」(U+00E9)　「😀」(U+1F600)"));
    QVERIFY(f.ui.fileDialogs.isEmpty() && f.ui.messages.isEmpty() && !QFile::exists(path));

    f.ui.fileNames << path << path;
    f.form.saveMemo();  // Yes: saved with "?"
    QVERIFY(contents(path).startsWith("<qip.$>caf??\x81\x60<qip.$>"));
    f.form.Text2.setText("〜");  // the JIS wave dash is the code page's own
    f.form.saveMemo();
    QCOMPARE(f.ui.questions.size(), 2);
    QVERIFY(contents(path).startsWith("<qip.$>\x81\x60<qip.$>"));
}

// Lowers the largest file this process may write, as a full disk would stop it.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit lowered{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved), std::signal(SIGXFSZ, handler); }
    void (*handler)(int);
    rlimit saved;
};

void MemoCommandsTest::failedSave_data()
{
    QTest::addColumn<int>("limit");  // 0 for none
    QTest::newRow("short write") << 1000;  // the text is more than Qt buffers
    QTest::newRow("flush fails at commit") << 100;
    QTest::newRow("directory at the target") << 0;
    QTest::newRow("read-only folder") << 0;
}

void MemoCommandsTest::failedSave()
{
    QFETCH(int, limit);
    const bool readOnly = QTest::currentDataTag() == QByteArray("read-only folder");
    const bool directory = QTest::currentDataTag() == QByteArray("directory at the target");
    if (readOnly && geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString target = dir.filePath("memo.qip");
    const QByteArray old = "the old file, kept whole\r\n";
    QFile file(target);
    QVERIFY(directory ? QDir(dir.path()).mkdir("memo.qip")
                      : file.open(QIODevice::WriteOnly) && file.write(old) == old.size()
                    && file.flush());
    FormFixture f;
    f.form.Text1.setText("新しい題名");
    f.form.Text2.setText(QString(100000, 'a'));
    f.ui.fileNames << target;
    const QStringList before = snapshot(f);
    const auto writable = QFile::permissions(dir.path());
    if (readOnly)
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    {
        std::optional<FileSizeLimit> lowered;
        if (limit)
            lowered.emplace(limit);
        f.form.saveMemo();
    }
    QFile::setPermissions(dir.path(), writable);

    QVERIFY(f.ui.messages.size() == 1
            && f.ui.messages[0].startsWith("ルミタ|ファイル「" + target + "」を保存できません"));
    QCOMPARE(snapshot(f), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"memo.qip"});
    if (!directory)
        QCOMPARE(contents(target), old);
}

void MemoCommandsTest::failedOpen_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &name : QDir(dataFile("")).entryList({"bad-*.qip"}))
        QTest::newRow(qPrintable(name)) << dataFile(name);
    QTest::newRow("missing file") << dataFile("no-such-file.qip");
    QTest::newRow("a folder") << dataFile("");
}

// A file Open cannot take changes nothing, not even the pieces or the path.
void MemoCommandsTest::failedOpen()
{
    QFETCH(QString, path);
    FormFixture f;
    f.ui.fileNames << dataFile("valid-layout3.qip") << path;
    f.form.openMemo();
    f.form.Text1.setText("編集中");
    const QStringList before = snapshot(f);
    f.form.openMemo();
    QCOMPARE(snapshot(f), before);
    QVERIFY(f.ui.messages.size() == 1
            && f.ui.messages[0].startsWith("ルミタ|ファイル「" + path + "」を読み込めませんでした。"));
}

QTEST_GUILESS_MAIN(MemoCommandsTest)
#include "test_memocommands.moc"
