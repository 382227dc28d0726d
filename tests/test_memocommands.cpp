// New, Open, Save and Preview over a scripted desktop: the questions asked,
// the bytes written and what an Open brings back, and where prev.html goes.
#include "tests/support/formfixture.h"
#include "memo/cp932.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

class MemoCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void questionsBeforeNewAndOpen();
    void everyChangeCountsAsAnEdit();
    void workedExample();
    void openRestoresWhatWasSaved_data();
    void openRestoresWhatWasSaved();
    void fileLayout();
    void badFileChangesNothing_data();
    void badFileChangesNothing();
    void saveRefusesOrAsks();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void refusedAtOpen_data();
    void refusedAtOpen();
    void previewGoesWhereItCanBeWritten_data();
    void previewGoesWhereItCanBeWritten();
};

static const QString M = "<qip.$>";
static const QString newQuestion = "新規作成|現在のデーターは失われます！\r\n  新規作成しますか？";
static const QString openQuestion = "読み込み|読み込みをすると現在のデーターは失われます？";

void MemoCommandsTest::questionsBeforeNewAndOpen()
{
    FormFixture f;
    f.act({"Open"});  // nothing edited: straight to the dialog
    QCOMPARE(f.ui.fileDialogs, QStringList{"open|ルミタファイル (*.qip)|*.qip"});
    f.act({"Text1=題名", "Check11", "Combo2:3"});
    const QStringList before = f.controls() << f.s.syuturyoku;
    f.ui.answers = {UserInterface::no, UserInterface::no};
    f.act({"New", "Open"});
    QCOMPARE(f.ui.asked, QStringList({newQuestion, openQuestion}));
    QCOMPARE(f.controls() << f.s.syuturyoku, before);
    f.ui.fileNames = {"", memoData("valid-custom.qip")};
    f.act({"New", "Open", "Open"});  // no question after New; the custom file switches the window
    QVERIFY(f.ui.asked.size() == 3 && f.ui.fileDialogs.size() == 3);
    QVERIFY(f.form.Check11.value() == 1 && f.form.Check1.value() == 0 && f.form.Text4.text() == f.s.syuturyoku);
}

// Any change marks the work as edited, so that Open asks first.
void MemoCommandsTest::everyChangeCountsAsAnEdit()
{
    for (const char *action : {"Text1=a",  "Text2=a",  "Text3=a",  "Check20",  "Check5",   "Check2",   "Check3",  "Check7",
                               "Check6",   "Check9",   "Check4",   "Check8",   "Check12",  "Check13",  "Check1",  "Check11",
                               "Combo4:0", "Combo1:0", "Combo5:0", "Combo2:0", "Combo3:0", "Combo6:0", "Combo7:0"}) {
        FormFixture f;
        f.act({action, "Open"});
        QVERIFY2(f.ui.asked == QStringList{openQuestion}, action);
    }
}

void MemoCommandsTest::workedExample()
{
    QTemporaryDir dir;
    FormFixture f;
    f.ui.fileNames = {dir.filePath("abc.qip")};
    f.act({"New", "Text1=ABC", "Save"});
    const QString expected = "ABC" + M + M + M + "0" + M + "1" + M + ("0" + M).repeated(9) + "0" + M + "1" + M +
                             ("0" + M).repeated(6) + M.repeated(31) + "\r\n";
    QCOMPARE(contents(dir.filePath("abc.qip")), expected.toLatin1());
    QCOMPARE(expected.size(), 395);
    QCOMPARE(f.ui.fileDialogs, QStringList{"save|ルミタファイル (*.qip)|*.qip"});
    QCOMPARE(f.ui.asked, QStringList{newQuestion});  // no word after saving
    QVERIFY(!f.form.hasUnsavedInput());
    f.act({"Check11"});
    QVERIFY(f.form.hasUnsavedInput());
}

void MemoCommandsTest::openRestoresWhatWasSaved_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("piece");  // each of the 31 layout pieces
    const QStringList all{"Text1=表示のテスト",
                          "Text2=一行目\r\n二行目",
                          "Text3=他\r\n",
                          "Check20",
                          "Check5",
                          "Check7",
                          "Check8",
                          "Combo4:2",
                          "Combo1:3",
                          "Combo5:2",
                          "Check11",
                          "Combo2:6",
                          "Combo3:3",
                          "Combo6:2",
                          "Combo7:1"};
    QTest::newRow("standard frame") << all + QStringList{"Check1", "Check12"} << "";
    QTest::newRow("custom frame") << all + QStringList{"Check13", "Check1", "Check1"} << "";
    QTest::newRow("grey boxes") << all + QStringList{"Check1", "Check9:2", "Check12:2", "Check13:2"} << "";
    // Lines of the file far longer than any a box shows: the description's
    // last line, the numbers and the pieces share one.
    QTest::newRow("100 KB line") << all + QStringList{"Check1", "Text2=前\r\n" + QString(50 * 1024, u'長')} << "";
    QTest::newRow("20 KB of pieces") << all + QStringList{"Check1"} << "<td>" + QString(660, u'x') + "</td>";
}

// A fresh window (the file named on the command line) and a busy one (Open)
// both come back to what was saved: every text, box, list, the frame and the
// listing; saved again, the bytes are the same.
void MemoCommandsTest::openRestoresWhatWasSaved()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, piece);
    QTemporaryDir dir;
    FormFixture original;
    original.ui.fileNames = {dir.filePath("memo.qip")};
    original.act(actions);
    for (int n = 1; n <= EditorState::layoutPieceCount && !piece.isEmpty(); ++n)
        original.s.layoutPiece(n) = piece;
    original.act({"Save"});
    for (const QStringList &busy : {QStringList{}, QStringList{"Combo1:1", "Check11", "Check9", "Text3=前"}}) {
        FormFixture f;
        f.ui.fileNames = {dir.filePath("again.qip")};
        if (busy.isEmpty())  // named on the command line: neither question nor dialog
            f.form.openMemoFile(dir.filePath("memo.qip"));
        else
            f.ui.fileNames.prepend(dir.filePath("memo.qip")), f.act(busy + QStringList{"Open"});
        QCOMPARE(f.ui.asked.isEmpty(), busy.isEmpty());
        QCOMPARE(f.controls(), original.controls());
        QCOMPARE(f.s.syuturyoku, original.s.syuturyoku);
        QVERIFY(!f.form.hasUnsavedInput());
        f.act({"Save"});
        QCOMPARE(contents(dir.filePath("again.qip")), contents(dir.filePath("memo.qip")));
    }
    // Opened over a window that already shows it, nothing counts as an edit;
    // the focus still goes to the title.
    original.ui.fileNames = {dir.filePath("blank.qip"), dir.filePath("blank.qip")};
    original.act({"New", "Save"});
    QSignalSpy focus(&original.form.Text1, &ControlModel::focusRequested);
    original.act({"Open", "Open"});
    QCOMPARE(original.ui.asked, QStringList{newQuestion});
    QCOMPARE(focus.count(), 1);
}

// The file's own pieces build the listing until Check1 leaves them for good.
void MemoCommandsTest::fileLayout()
{
    QTemporaryDir dir;
    FormFixture f;
    f.ui.fileNames = {memoData("valid-layout3.qip"), dir.filePath("after-new.qip")};
    f.act({"Open"});
    auto p = [](int n) { return QString("<!--piece%1-->").arg(n, 2, 10, QChar('0')) + (n % 4 == 1 ? "<table><tr><td>" : ""); };
    const QString head = "#ED875B ", body = "#EBC2B4 ", text = "#0000ff ";
    const QString listing = "<center><body>" + p(1) + head + p(2) + text + p(3) + "■商品名■" + p(4) + p(5) + body + p(6) + text +
                            p(7) + "5" + p(8) + "手作りの器" + p(9) + p(10) + head + p(11) + text + p(12) + body + p(13) + text +
                            p(14) +
                            " ○銀行振り込み  ○現金書留 </font></center><center><font color=#000000 "
                            "size=2>［上記のお支払方法がご利用頂けます。］"
                            "</font></center>" +
                            p(15) + p(16) + head + p(17) + text + p(18) + "■商品説明■" + p(19) + p(20) + body + p(21) + text +
                            p(22) + "一点物です。" + p(23) + "</table></center></body>";
    QCOMPARE(f.s.syuturyoku, listing);
    QVERIFY(f.form.Check11.value() == 1 && f.form.Combo2.isEnabled() && !f.form.Combo1.isEnabled());
    f.act({"Combo4:2"});  // the file's pieces take a new size too
    QCOMPARE(f.s.syuturyoku, QString(listing).replace(p(7) + "5", p(7) + "9"));
    f.act({"Combo2:1"});
    QCOMPARE(f.s.syuturyoku, QString(listing).replace(head, "#ED9BA0 ").replace(p(7) + "5", p(7) + "9"));
    f.act({"Check1", "Check1"});
    QVERIFY(!f.s.syuturyoku.contains("piece") && f.s.syuturyoku.contains("bgcolor=#ED9BA0  height"));
    f.act({"New", "Save"});  // the pieces stay for the next save
    QVERIFY(contents(dir.filePath("after-new.qip"))
                .endsWith("<!--piece30-->" + M.toLatin1() + "<!--piece31-->" + M.toLatin1() + "\r\n"));
}

void MemoCommandsTest::badFileChangesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const QString shortFile = "項目が足りません。ルミタファイルでないか、途中で切れています。";
    QTest::newRow("empty") << memoData("bad-empty.qip") << shortFile;
    QTest::newRow("51 markers") << memoData("bad-51-markers.qip") << shortFile;
    QTest::newRow("cut character") << memoData("bad-encoding.qip") << "Shift-JIS として読めない文字が含まれています。";
    QTest::newRow("layout 4") << memoData("bad-layout.qip") << "16 番目の項目（枠の種類）の値が正しくありません。";
    QTest::newRow("list index") << memoData("bad-list-index.qip") << "18 番目の項目（色の選択）の値が正しくありません。";
    QTest::newRow("fraction") << memoData("bad-number.qip") << "15 番目の項目（タイトルの大きさ）の値が正しくありません。";
    QTest::newRow("marker in a text") << memoData("bad-shifted.qip") << "4 番目の項目（チェックの状態）の値が正しくありません。";
    QTest::newRow("missing file") << memoData("no-such-file.qip") << "";
    QTest::newRow("a folder") << memoData("") << "";
}

void MemoCommandsTest::badFileChangesNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    FormFixture f;
    f.ui.fileNames = {memoData("valid-layout3.qip"), path, dir.filePath("after.qip")};
    f.act({"Open", "Text1=編集中"});
    const QStringList before = f.controls() << f.s.syuturyoku;
    f.act({"Open"});
    QCOMPARE(f.controls() << f.s.syuturyoku, before);
    QCOMPARE(f.ui.asked.size(), 2);
    QVERIFY2(f.ui.asked[1].startsWith("ルミタ|ファイル「" + path + "」を読み込めませんでした。\r\n" + reason),
             qPrintable(f.ui.asked[1]));
    f.act({"Save"});  // the pieces of the good file are still there
    QVERIFY(contents(dir.filePath("after.qip")).contains("<!--piece31-->"));
}

void MemoCommandsTest::saveRefusesOrAsks()
{
    QTemporaryDir dir;
    FormFixture f;
    for (const QString box : {"Text1", "Text2", "Text3"})
        f.act({box + "=前<qip.$>後", "Save", box + "="});
    QVERIFY(f.ui.asked.size() == 3 && f.ui.asked[1].startsWith("ルミタ|「説明本文」に") &&
            f.ui.asked[2].startsWith("ルミタ|「その他」に"));
    QCOMPARE(f.ui.asked[0],
             "ルミタ|「タイトル」に「<qip.$>」という文字列があるため、保存できません。\r\n"
             "この文字列を消すか書き換えてから保存してください。");
    f.ui.answers = {UserInterface::no};
    f.ui.fileNames = {dir.filePath("a.qip")};
    // Lone halves of a pair, as a file or a paste may bring them, are named apart.
    f.form.Text2.setText("café😀〜" + QString(QChar(0xD83D)) + "x" + QChar(0xDE00));
    f.act({"Save"});
    QVERIFY2(f.ui.asked.last().startsWith("ルミタ|次の文字はルミタファイルに保存できません。\r\n「é」(U+00E9)　「😀」(U+1F600)"
                                          "　「\uFFFD」(U+D83D)　「\uFFFD」(U+DE00)\r\n"),
             qPrintable(f.ui.asked.last()));
    QVERIFY(f.ui.fileDialogs.isEmpty());
    f.act({"Save"});  // Yes: "?" in their place, the JIS wave dash in the code page's own form
    QVERIFY(contents(dir.filePath("a.qip")).startsWith(M.toLatin1() + "caf??\x81\x60?x?" + M.toLatin1()));
    f.ui.answers = {UserInterface::no};
    f.act({"Text2=", "Text3=àáâãäåæçèéêë", "Save"});  // ten are named, the rest counted
    QVERIFY(f.ui.asked.last().endsWith("「é」(U+00E9)　ほか 2 文字\r\nこれらを「?」に置き換えて保存しますか？"));
}

void MemoCommandsTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("call");  // failed by the preloaded shim (tests/faultshim.cpp)
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("name");  // of the target; "memo.qip" holds an old file
    QTest::addColumn<QString>("reason");
    const QString kept = "元のファイルはそのまま残っています。";
    QTest::newRow("write, disk full") << "write" << ENOSPC << "memo.qip"
                                      << "書き込みが途中で失敗しました。ディスクの空き容量が足りません。" + kept;
    QTest::newRow("sync, I/O error") << "fdatasync" << EIO << "memo.qip"
                                     << "書き込んだ内容をディスクに書き出せませんでした。ディスクの"
                                        "読み書きでエラーが起きました。" +
                                            kept;
    QTest::newRow("close, over quota") << "close" << EDQUOT << "memo.qip"
                                       << "書き込んだファイルを閉じられませんでした。ディスクの使用量の上限に達しています。" +
                                              kept;
    QTest::newRow("rename, read-only") << "rename" << EROFS << "memo.qip"
                                       << "書き込んだ内容でファイルを置き換えられませんでした。保存先は読み取り専用です。" + kept;
    QTest::newRow("a folder at the name")
        << "" << 0 << "folder.qip"
        << "書き込んだファイルにその名前を付けられませんでした。同じ名前のフォルダーがあります。";
    QTest::newRow("name too long") << "" << 0 << QString(256, u'a')
                                   << "書き込んだファイルにその名前を付けられませんでした。ファイル名が長すぎます。";
}

// Whatever step fails, the message names it and why, and the folder holds
// what it held: the old file whole, no file left over.
void MemoCommandsTest::failedSaveKeepsOldFile()
{
    QFETCH(QString, call);
    QFETCH(int, error);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath(name);
    QFile old(target);
    QVERIFY(name == "folder.qip"
                ? QDir(dir.path()).mkdir(name)
                : name != "memo.qip" || (old.open(QIODevice::WriteOnly) && old.write("old\r\n") == 5 && old.flush()));
    FormFixture f;
    f.ui.fileNames = {target};
    qputenv("RUMITA_FAULT", (call + ' ' + QString::number(error)).toLatin1());
    qputenv("RUMITA_FAULT_PATH", QFile::encodeName(dir.path()));
    f.act({"Text2=" + QString("123456789\r\n").repeated(10000), "Save"});
    qunsetenv("RUMITA_FAULT");
    QCOMPARE(f.ui.asked, QStringList{"ルミタ|ファイル「" + target + "」を保存できませんでした。\r\n" + reason});
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             name.size() > 255 ? QStringList() : QStringList{name});
    QCOMPARE(contents(target), name == "memo.qip" ? "old\r\n" : "(unreadable)");
}

// Special files, and regular files over Open's limits; the message names
// the file and what was wrong with it.
void MemoCommandsTest::refusedAtOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    for (const char *kind : {"pipe", "socket"})  // a folder is among the bad files
        QTest::newRow(kind) << kind << QByteArray() << "";
    QTest::newRow("over 1 MB") << "file" << QByteArray(1024 * 1024 + 1, ' ') << "1 MB";
    QTest::newRow("20001 lines") << "file" << QByteArray(20'000, '\r') << "20000 行";
}

// Nothing may wait on the file, and Save puts no memo file in the place of
// a special one.
void MemoCommandsTest::refusedAtOpen()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir temp;
    const QString path = temp.filePath(kind + ".qip");
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, name, sizeof address.sun_path);
    QFile file(path);
    QVERIFY(kind == "pipe" ? mkfifo(name, 0600) == 0
            : kind == "socket"
                ? bind(socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                : file.open(QIODevice::WriteOnly) && file.write(content) > 0);
    file.close();
    FormFixture f;
    f.form.Text1.setText("そのままのタイトル");
    const QString listing = f.s.syuturyoku;
    // Should Open wait on a pipe, a writer comes after a second and lets it go.
    std::promise<void> returned;
    bool released = false;  // read after join()
    std::thread watchdog([&, done = returned.get_future()] {
        if (done.wait_for(std::chrono::seconds(1)) == std::future_status::timeout)
            released = close(open(name, O_WRONLY | O_NONBLOCK)) == 0;
    });
    f.ui.fileNames << path << path;
    f.form.openMemo();
    returned.set_value();
    watchdog.join();
    QVERIFY(!released);
    QCOMPARE(f.ui.asked.size(), 2);  // whether to give up the title, then why the file is refused
    QVERIFY2(f.ui.asked[1].contains(path) && f.ui.asked[1].contains(reason), qPrintable(f.ui.asked[1]));
    QCOMPARE(f.form.Text1.text(), "そのままのタイトル");
    QCOMPARE(f.s.syuturyoku, listing);
    if (kind == "file") {  // Save names the same limit, and writes nothing when told No
        f.form.Text2.setText(QString::fromLatin1(content));
        f.ui.answers << UserInterface::no;
        f.form.saveMemo();
        QVERIFY2(f.ui.asked.size() == 3 && f.ui.asked[2].contains(reason), qPrintable(f.ui.asked.last()));
        QCOMPARE(f.ui.fileDialogs.size(), 1);
        return;
    }
    f.form.saveMemo();
    QCOMPARE(f.ui.asked.size(), 3);
    QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
}

void MemoCommandsTest::previewGoesWhereItCanBeWritten_data()
{
    QTest::addColumn<QString>("programFolder");  // all under one temporary folder
    QTest::addColumn<QString>("cacheHome");
    QTest::addColumn<QString>("expectedFile");  // empty: a warning, no preview
    QTest::newRow("symlink at prev.html") << "program"
                                          << "cache"
                                          << "program/prev.html";
    QTest::newRow("folder path is a file") << "victim"
                                           << "cache"
                                           << "cache/rumita/prev.html";
    QTest::newRow("neither writable") << "victim"
                                      << "victim/cache"
                                      << "";
    QTest::newRow("installed") << "usr/lib/rumita"
                               << "cache"
                               << "cache/rumita/prev.html";
    QTest::newRow("relative cache folder") << "usr/lib/rumita"
                                           << "./cache"
                                           << "home/.cache/rumita/prev.html";
}

void MemoCommandsTest::previewGoesWhereItCanBeWritten()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, cacheHome);
    QFETCH(QString, expectedFile);
    QTemporaryDir dir;
    QFile victim(dir.filePath("victim"));
    QVERIFY(victim.open(QIODevice::WriteOnly) && victim.write("keep") == 4 && victim.flush());
    for (const char *folder : {"program", "usr/lib/rumita", "usr/bin"})  // an installed layout beside the program's
        QVERIFY(QDir(dir.path()).mkpath(folder));
    QVERIFY(victim.link(dir.filePath("program/prev.html")) && victim.copy(dir.filePath("usr/bin/rumita")));
    qputenv("XDG_CACHE_HOME", (cacheHome.startsWith("./") ? cacheHome : dir.filePath(cacheHome)).toLocal8Bit());
    qputenv("HOME", dir.filePath("home").toLocal8Bit());

    FormFixture f(dir.filePath(programFolder));
    f.form.Text2.setText("♡😀é¥表" + QString(QChar(0xD800)));  // the page shows them as the clipboard has them
    f.form.preview();
    QCOMPARE(contents(victim.fileName()), QByteArray("keep"));
    if (expectedFile.isEmpty())
        QVERIFY(f.ui.preview.isEmpty() && f.ui.asked.size() == 1 && f.ui.asked[0].startsWith("ルミタ|"));
    else
        QVERIFY(f.ui.preview == dir.filePath(expectedFile) &&
                contents(dir.filePath(expectedFile)) ==
                    cp932::encode(QString(f.s.syuturyoku).replace(f.form.Text2.text(), "&#9825;&#128512;&#233;&#165;表&#65533;") +
                                  "\r\n"));
    struct stat cache {};
    if (expectedFile.contains("cache/"))  // the user's alone
        QVERIFY(stat(QFile::encodeName(QFileInfo(dir.filePath(expectedFile)).path()), &cache) == 0 &&
                (cache.st_mode & 0777) == 0700);
}

QTEST_GUILESS_MAIN(MemoCommandsTest)
#include "test_memocommands.moc"
