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
    void newAsksThenBlanks();
    void openAsksOnlyAfterAnEdit();
    void workedExampleAndPiecesAfterNew();
    void saveThenOpen_data();
    void saveThenOpen();
    void fileLayoutLeftForGood();
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
    out << s.syuturyoku << s.memoFilePath << QString::number(s.layoutMode)
        << QString::number(s.editedFlag);
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        out << s.layoutPiece(n);
    return out;
}

void MemoCommandsTest::newAsksThenBlanks()
{
    FormFixture f;
    MainForm &m = f.form;
    m.Text1.setText("題名");
    m.Check11.click();
    m.Check13.click();
    m.Combo2.pick(3);
    const QStringList before = snapshot(f);
    f.ui.answers << UserInterface::no;
    m.newMemo();
    QCOMPARE(f.ui.questions,
             QStringList{"新規作成|現在のデーターは失われます！\r\n  新規作成しますか？"});
    QCOMPARE(snapshot(f), before);

    m.newMemo();
    FormFixture fresh;  // the same blank state whatever came before
    fresh.form.newMemo();
    QCOMPARE(snapshot(f), snapshot(fresh));
    QVERIFY(m.Text4.text().isEmpty() && f.s.syuturyoku.contains("■商品名■"));
    QVERIFY(m.Check1.value() == 1 && m.Check5.value() == 1 && f.s.layoutMode == 1);
    QVERIFY(f.s.editedFlag == 0 && f.s.openAnswer == UserInterface::yes);
    m.Text2.setText("x");
    QCOMPARE(m.Text4.text(), f.s.syuturyoku);
}

void MemoCommandsTest::openAsksOnlyAfterAnEdit()
{
    FormFixture f;
    f.form.openMemo();
    QCOMPARE(f.ui.questions.size(), 0);
    QCOMPARE(f.ui.fileDialogs, QStringList{"open|ルミタファイル (*.qip)|*.qip"});

    f.form.Text1.setText("edit");
    const QStringList before = snapshot(f);
    f.ui.answers << UserInterface::no;
    f.ui.fileNames << dataFile("valid-custom.qip");
    f.form.openMemo();
    QCOMPARE(f.ui.questions, QStringList{"読み込み|読み込みをすると現在のデーターは失われます？"});
    QCOMPARE(f.ui.fileDialogs.size(), 1);
    QCOMPARE(snapshot(f), before);
    f.form.openMemo();  // asks again; Yes opens
    QVERIFY(f.ui.questions.size() == 2 && f.s.layoutMode == 2);

    f.form.newMemo();
    f.form.openMemo();
    QCOMPARE(f.ui.questions.size(), 3);  // New's only
    f.form.Check2.click();
    f.form.openMemo();
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
    m.Check20.click();
    m.Check12.click();
    m.Combo4.pick(2);
    m.Combo5.pick(3);
    if (layout == 2) {
        m.Check11.click();
        m.Combo2.pick(6);
        m.Check13.click();
    }
    original.ui.fileNames = {path};
    m.saveMemo();

    FormFixture fresh, busy;
    busy.form.Check11.click();
    busy.form.Text3.setText("前の内容");
    busy.form.Check9.click();
    busy.form.Combo2.pick(3);
    busy.form.Combo4.pick(1);
    for (FormFixture *f : {&fresh, &busy}) {
        f->ui.fileNames << path << dir.filePath("again.qip");
        f->form.openMemo();
        QCOMPARE(f->s.layoutMode, layout);
        QCOMPARE(f->form.Check11.value(), layout == 1 ? 0 : 1);
        QCOMPARE(f->form.Text4.text(), f->s.syuturyoku);
        QVERIFY(f->s.syuturyoku.contains("表示のテスト"));
        f->form.saveMemo();
        QCOMPARE(contents(dir.filePath("again.qip")), contents(path));
    }
    QCOMPARE(snapshot(busy), snapshot(fresh));
}

void MemoCommandsTest::fileLayoutLeftForGood()
{
    FormFixture f;
    f.ui.fileNames << dataFile("valid-layout3.qip");
    f.form.openMemo();
    QVERIFY(f.s.layoutMode == 3 && f.form.Check11.value() == 1 && f.form.Combo2.isEnabled());
    QVERIFY(f.s.syuturyoku.contains("<!--piece01-->") && f.s.syuturyoku.contains("<!--piece20-->"));
    f.form.Check1.click();
    QCOMPARE(f.s.layoutMode, 1);
    f.form.Check1.click();
    QCOMPARE(f.s.layoutMode, 2);
    QVERIFY(!f.s.syuturyoku.contains("<!--piece"));
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
    QCOMPARE(f.ui.questions.size(), 1);
    QVERIFY(f.ui.questions[0].startsWith("ルミタ|"));
    QVERIFY(f.ui.questions[0].contains("「é」(U+00E9)　「😀」(U+1F600)"));
    QVERIFY(!f.ui.questions[0].contains("〜"));
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
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
        handler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    }
    rlimit saved;
    void (*handler)(int);
};

void MemoCommandsTest::failedSave_data()
{
    QTest::addColumn<QString>("failure");
    for (const char *failure : {"short write", "flush fails at commit", "directory at the target",
                                "read-only folder"})
        QTest::newRow(failure) << failure;
}

void MemoCommandsTest::failedSave()
{
    QFETCH(QString, failure);
    if (failure == "read-only folder" && geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString target = dir.filePath("memo.qip");
    const QByteArray old = "the old file, kept whole\r\n";
    QFile file(target);
    if (failure == "directory at the target")
        QVERIFY(QDir(dir.path()).mkdir("memo.qip"));
    else
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size() && file.flush());
    FormFixture f;
    f.form.Text1.setText("新しい題名");
    if (failure == "short write")  // more than Qt buffers, so write() itself comes up short
        f.form.Text2.setText(QString(100000, 'a'));
    f.ui.fileNames << target;
    const QStringList before = snapshot(f);
    const auto writable = QFile::permissions(dir.path());
    if (failure == "read-only folder")
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    {
        std::optional<FileSizeLimit> limit;
        if (failure == "short write")
            limit.emplace(1000);
        else if (failure == "flush fails at commit")
            limit.emplace(100);
        f.form.saveMemo();
    }
    QFile::setPermissions(dir.path(), writable);

    QCOMPARE(f.ui.messages.size(), 1);
    QVERIFY(f.ui.messages[0].startsWith("ルミタ|ファイル「" + target + "」を保存できません"));
    QCOMPARE(snapshot(f), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"memo.qip"});
    if (failure != "directory at the target")
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
    QCOMPARE(f.ui.messages.size(), 1);
    QVERIFY(f.ui.messages[0].startsWith("ルミタ|ファイル「" + path + "」を読み込めませんでした。"));
}

QTEST_GUILESS_MAIN(MemoCommandsTest)
#include "test_memocommands.moc"
