// New, Open, Save and Preview over a scripted desktop: the questions asked,
// the bytes written and what an Open brings back, and where prev.html goes.
#include "tests/support/checks.h"
#include "tests/support/formfixture.h"
#include "memo/cp932.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

using F = MainForm;
using namespace steps;
enum class Window { Kept, Changed };
// What the seller did first, then the command's steps; every question and
// message ("title|text") and file dialog they met; the window after them.
struct Command {
    Steps before, steps;
    QStringList messages, dialogs;
    Window window;
};
Q_DECLARE_METATYPE(Command)

class MemoCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
private slots:
    // Every question and message, whole, with the dialogs shown and whether the window stayed as it was.
    void messages_data();
    void messages();
    // Any change counts as an edit, so that Open asks first.
    void everyChangeCountsAsAnEdit();
    // The bytes Save writes, and what Open brings back from them.
    void workedExample();
    void openRestoresWhatWasSaved_data();
    void openRestoresWhatWasSaved();
    void fileLayout();
    // A save that fails at any step leaves the folder as it was.
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    // Where the preview's page is written.
    void previewGoesWhereItCanBeWritten_data();
    void previewGoesWhereItCanBeWritten();
};

static const QString M = "<qip.$>";
static const QString newQuestion = "新規作成|現在のデーターは失われます！\r\n  新規作成しますか？";
static const QString openQuestion = "読み込み|読み込みをすると現在のデーターは失われます？";
static const QString openDialog = "open|ルミタファイル (*.qip)|*.qip", saveDialog = "save|ルミタファイル (*.qip)|*.qip";
static const QString tooLarge = "ファイルが大きすぎます。開けるのは 1 MB までです。";
static const QString tooManyLines = "行が多すぎます。開けるのは 20000 行までです。";
// Messages with the path or the reasons in place of %1 and %2.
static const QString cannotOpen = "ルミタ|ファイル「%1」を読み込めませんでした。\r\n%2";
static const QString cannotSave = "ルミタ|ファイル「%1」を保存できませんでした。\r\n%2";
static const QString unopenable = "ルミタ|この内容で保存したファイルは、ルミタで読み込めません。\r\n%1\r\nそれでも保存しますか？";
static const QString unsavable =
    "ルミタ|次の文字はルミタファイルに保存できません。\r\n%1\r\nこれらを「?」に置き換えて保存しますか？";
static const QString markerIn =
    "ルミタ|「%1」に「<qip.$>」という文字列があるため、保存できません。\r\nこの文字列を消すか書き換えてから保存してください。";

void MemoCommandsTest::messages_data()
{
    QTest::addColumn<Command>("command");
    auto row = [](const QString &name, const Steps &before, const Steps &steps, const QStringList &messages,
                  const QStringList &dialogs, Window window = Window::Kept) {
        QTest::newRow(qPrintable(name)) << Command{before, steps, messages, dialogs, window};
    };
    const Steps edited{type(&F::Text1, "題名"), tick(&F::Check11), pick(&F::Combo2, 3)};
    const auto no = answer(UserInterface::no);
    row("Open, nothing edited", {}, {Open}, {}, {openDialog});
    row("No to New and to Open", edited, {no, New, no, Open}, {newQuestion, openQuestion}, {});
    row("New, then Open without a question", edited, {New, Open}, {newQuestion}, {openDialog}, Window::Changed);
    row("Open switches to the custom frame", {}, {choose(memoData("valid-custom.qip")), Open}, {}, {openDialog}, Window::Changed);
    row("marker in the title", {type(&F::Text1, "前<qip.$>後")}, {Save}, {markerIn.arg("タイトル")}, {});
    row("marker in the description", {type(&F::Text2, "<qip.$>")}, {Save}, {markerIn.arg("説明本文")}, {});
    row("marker in the other notes", {type(&F::Text3, "x<qip.$>")}, {Save}, {markerIn.arg("その他")}, {});
    // Lone halves of a pair, as a file or a paste may bring them, are named apart.
    row("characters Shift-JIS lacks", {type(&F::Text2, "café😀〜" + QString(QChar(0xD83D)) + "x" + QChar(0xDE00))}, {no, Save},
        {unsavable.arg("「é」(U+00E9)　「😀」(U+1F600)　「\uFFFD」(U+D83D)　「\uFFFD」(U+DE00)")}, {});
    row("a pair before another", {type(&F::Text1, "😀é")}, {no, Save}, {unsavable.arg("「😀」(U+1F600)　「é」(U+00E9)")}, {});
    const QString ten =
        "「à」(U+00E0)　「á」(U+00E1)　「â」(U+00E2)　「ã」(U+00E3)　「ä」(U+00E4)　「å」(U+00E5)　「æ」(U+00E6)　「ç」(U+00E7)　"
        "「è」(U+00E8)　「é」(U+00E9)";
    row("ten named", {type(&F::Text3, "àáâãäåæçèé")}, {no, Save}, {unsavable.arg(ten)}, {});
    row("the eleventh counted", {type(&F::Text3, "àáâãäåæçèéê")}, {no, Save}, {unsavable.arg(ten + "　ほか 1 文字")}, {});
    row("No to a file Open refuses", {type(&F::Text2, QString(1024 * 1024, 'x'))}, {no, Save}, {unopenable.arg(tooLarge)}, {});
    // Open's limits, one either side: Save warns before it writes a file Open would refuse, and Open refuses it.
    // The blank window's file holds 392 bytes and 2 lines besides the description.
    const auto limit = [&](const char *name, const QString &description, const QString &refusal) {
        const QString path = dir.filePath(name + QString(".qip"));
        const QStringList refused{unopenable.arg(refusal), openQuestion, cannotOpen.arg(path, refusal)};
        row(name, {New, type(&F::Text2, description)}, {choose(path), Save, choose(path), Open},
            refusal.isEmpty() ? QStringList{openQuestion} : refused, {saveDialog, openDialog});
    };
    limit("1 MB", QString(1024 * 1024 - 392, 'x'), "");
    limit("1 MB and a byte", QString(1024 * 1024 - 391, 'x'), tooLarge);
    limit("20000 lines", QString("\r\n").repeated(19'998), "");
    limit("20001 lines", QString("\r\n").repeated(19'999), tooManyLines);
    limit("20001 lines, lone CRs", QString("\r").repeated(19'999), tooManyLines);
    const QString fromBreak = dir.filePath("break first.qip");  // a file of another's making
    QVERIFY(put(fromBreak, "\n" + QByteArray("\r\n").repeated(19'999)));
    row("20001 lines from a line break", {}, {choose(fromBreak), Open}, {cannotOpen.arg(fromBreak, tooManyLines)}, {openDialog});
    const QString shortFile = "項目が足りません。ルミタファイルでないか、途中で切れています。";
    const QString notRegular = "通常のファイルではありません（フォルダー、パイプ、デバイスなど）。";
    const std::pair<const char *, QString> badFiles[] = {
        {"bad-empty.qip", shortFile},
        {"bad-51-markers.qip", shortFile},
        {"bad-encoding.qip", "Shift-JIS として読めない文字が含まれています。"},
        {"bad-layout.qip", "16 番目の項目（枠の種類）の値が正しくありません。"},
        {"bad-list-index.qip", "18 番目の項目（色の選択）の値が正しくありません。"},
        {"bad-number.qip", "15 番目の項目（タイトルの大きさ）の値が正しくありません。"},
        {"bad-shifted.qip", "4 番目の項目（チェックの状態）の値が正しくありません。"},
        {"no-such-file.qip", "ファイルを開けませんでした。"},
        {"", notRegular}};
    const Steps opened{choose(memoData("valid-layout3.qip")), Open, type(&F::Text1, "編集中")};
    for (const auto &[file, why] : badFiles)
        row(QString("refused: ") + (*file ? file : "a folder"), opened, {choose(memoData(file)), Open},
            {openQuestion, cannotOpen.arg(memoData(file), why)}, {openDialog});
    // Nothing waits on a pipe, and Save puts no memo file in the place of one.
    const QString pipe = dir.filePath("pipe.qip"), socket = dir.filePath("socket.qip");
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(socket), sizeof address.sun_path);
    QCOMPARE(mkfifo(QFile::encodeName(pipe), 0600), 0);
    QCOMPARE(bind(::socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    row("refused: a pipe", opened, {choose(pipe), Open}, {openQuestion, cannotOpen.arg(pipe, notRegular)}, {openDialog});
    row("refused: a socket", opened, {choose(socket), Open},
        {openQuestion, cannotOpen.arg(socket, "ファイルを開けませんでした。")}, {openDialog});
    row("not saved over a pipe", opened, {choose(pipe), Save}, {cannotSave.arg(pipe, notRegular)}, {saveDialog});
}

void MemoCommandsTest::messages()
{
    QFETCH(Command, command);
    FormFixture f;
    f.act(command.before);
    const QStringList shown = f.controls() << f.s.syuturyoku;
    f.ui.asked.clear();
    f.ui.fileDialogs.clear();
    f.act(command.steps);
    QCOMPARE(f.ui.asked, command.messages);
    QCOMPARE(f.ui.fileDialogs, command.dialogs);
    const QStringList now = f.controls() << f.s.syuturyoku;
    if (command.window == Window::Kept)
        QCOMPARE(now, shown);
    else
        QVERIFY(now != shown);
}

void MemoCommandsTest::everyChangeCountsAsAnEdit()
{
    const Steps changes{type(&F::Text1, "a"), type(&F::Text2, "a"), type(&F::Text3, "a"), tick(&F::Check20),
                        tick(&F::Check5),     tick(&F::Check2),     tick(&F::Check3),     tick(&F::Check7),
                        tick(&F::Check6),     tick(&F::Check9),     tick(&F::Check4),     tick(&F::Check8),
                        tick(&F::Check12),    tick(&F::Check13),    tick(&F::Check1),     tick(&F::Check11),
                        pick(&F::Combo4, 0),  pick(&F::Combo1, 0),  pick(&F::Combo5, 0),  pick(&F::Combo2, 0),
                        pick(&F::Combo3, 0),  pick(&F::Combo6, 0),  pick(&F::Combo7, 0)};
    for (qsizetype i = 0; i < changes.size(); ++i) {
        FormFixture f;
        f.act({changes[i], Open});
        QVERIFY2(f.ui.asked == QStringList{openQuestion}, qPrintable(QString("change %1").arg(i + 1)));
    }
}

void MemoCommandsTest::workedExample()
{
    FormFixture f;
    f.act({New, type(&F::Text1, "ABC"), choose(dir.filePath("abc.qip")), Save});
    QCOMPARE(contents(dir.filePath("abc.qip")), abcMemo);
    QCOMPARE(f.ui.fileDialogs, QStringList{saveDialog});
    QCOMPARE(f.ui.asked, QStringList{newQuestion});  // no word after saving
    QVERIFY(!f.form.hasUnsavedInput());
    f.act({tick(&F::Check11)});
    QVERIFY(f.form.hasUnsavedInput());
    // Yes to the question: "?" in their place, the wave dash in the code page's own form.
    f.act({type(&F::Text2, "café😀〜" + QString(QChar(0xD83D)) + "x" + QChar(0xDE00)), choose(dir.filePath("q.qip")), Save});
    QCOMPARE(contents(dir.filePath("q.qip")).first(27), "ABC" + M.toLatin1() + "caf??\x81\x60?x?" + M.toLatin1());
}

void MemoCommandsTest::openRestoresWhatWasSaved_data()
{
    QTest::addColumn<Steps>("steps");
    // Every text, a box of each kind, every list, the custom frame's colours kept for the standard frame.
    const Steps texts{type(&F::Text1, "表示のテスト"), type(&F::Text2, "一行目\r\n二行目"), type(&F::Text3, "他\r\n")};
    const Steps boxes{tick(&F::Check20), tick(&F::Check5), tick(&F::Check7), tick(&F::Check8), pick(&F::Combo4, 2)};
    const Steps lists{pick(&F::Combo1, 3), pick(&F::Combo5, 2), tick(&F::Check11), pick(&F::Combo2, 6), pick(&F::Combo3, 3)};
    const Steps all = texts + boxes + lists + Steps{pick(&F::Combo6, 2), pick(&F::Combo7, 1)};
    QTest::newRow("standard frame") << all + Steps{tick(&F::Check1), tick(&F::Check12)};
    QTest::newRow("custom frame") << all + Steps{tick(&F::Check13), tick(&F::Check1), tick(&F::Check1)};
    QTest::newRow("grey boxes") << all + Steps{tick(&F::Check1), mark(&F::Check9, 2), mark(&F::Check12, 2), mark(&F::Check13, 2)};
    // A line of the file far longer than any a box shows: the description's
    // last line, the numbers and the pieces share one.
    QTest::newRow("100 KB line") << all + Steps{tick(&F::Check1), type(&F::Text2, "前\r\n" + QString(50 * 1024, u'長'))};
}

// A fresh window (the file named on the command line) and a busy one (Open)
// both come back to what was saved: every text, box, list, the frame and the
// listing; saved again, the bytes are the same.
void MemoCommandsTest::openRestoresWhatWasSaved()
{
    QFETCH(Steps, steps);
    const QString saved = dir.filePath("memo.qip"), again = dir.filePath("again.qip");
    FormFixture original;
    original.act(steps);
    original.act({choose(saved), Save});
    for (const Steps &busy : {Steps{}, Steps{pick(&F::Combo1, 1), tick(&F::Check11), tick(&F::Check9), type(&F::Text3, "前")}}) {
        FormFixture f;
        if (busy.isEmpty())  // named on the command line: neither question nor dialog
            f.form.openMemoFile(saved);
        else
            f.act(busy + Steps{choose(saved), Open});
        QCOMPARE(f.ui.asked, busy.isEmpty() ? QStringList() : QStringList{openQuestion});
        QCOMPARE(f.controls(), original.controls());
        COMPARE_LISTING(f.s.syuturyoku, original.s.syuturyoku);
        QVERIFY(!f.form.hasUnsavedInput());
        f.act({choose(again), Save});
        QCOMPARE(contents(again), contents(saved));
    }
    // Opened over a window that already shows it, nothing counts as an edit;
    // the focus still goes to the title.
    original.act({New, choose(dir.filePath("blank.qip")), Save});
    QSignalSpy focus(&original.form.Text1, &ControlModel::focusRequested);
    original.act({choose(dir.filePath("blank.qip")), Open, Open});  // the second dialog cancelled
    QCOMPARE(original.ui.asked, QStringList{newQuestion});
    QCOMPARE(focus.count(), 1);
}

// The file's own pieces build the listing until Check1 leaves them for good.
void MemoCommandsTest::fileLayout()
{
    FormFixture f;
    f.act({choose(memoData("valid-layout3.qip")), Open});
    const QString listing = golden("opened layout file");  // the file's pieces, marked by number, around the values
    COMPARE_LISTING(f.s.syuturyoku, listing);
    QCOMPARE(f.form.Check11.value(), 1);
    QCOMPARE(f.form.Combo2.isEnabled(), true);
    QCOMPARE(f.form.Combo1.isEnabled(), false);
    f.act({pick(&F::Combo4, 2)});  // the file's pieces take a new size too
    COMPARE_LISTING(f.s.syuturyoku, QString(listing).replace("<!--piece07-->5", "<!--piece07-->9"));
    f.act({pick(&F::Combo2, 1)});
    COMPARE_LISTING(f.s.syuturyoku,
                    QString(listing).replace("#ED875B ", "#ED9BA0 ").replace("<!--piece07-->5", "<!--piece07-->9"));
    f.act({tick(&F::Check1), tick(&F::Check1)});
    QVERIFY2(!f.s.syuturyoku.contains("piece"), qPrintable(f.s.syuturyoku));
    QVERIFY2(f.s.syuturyoku.contains("bgcolor=#ED9BA0  height"), qPrintable(f.s.syuturyoku));
    f.act({New, choose(dir.filePath("after-new.qip")), Save});  // the pieces stay for the next save
    QVERIFY(contents(dir.filePath("after-new.qip"))
                .endsWith("<!--piece30-->" + M.toLatin1() + "<!--piece31-->" + M.toLatin1() + "\r\n"));
}

// The call the preloaded shim (tests/faultshim.cpp) fails and its error; the
// target's name ("memo.qip" holds an old file); the reason the message gives.
struct FailedSave {
    QString call;
    int error;
    QString name, reason;
};
Q_DECLARE_METATYPE(FailedSave)

void MemoCommandsTest::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<FailedSave>("save");
    const auto row = [](const char *tag, const char *call, int error, const QString &name, const QString &reason) {
        QTest::newRow(tag) << FailedSave{call, error, name,
                                         reason + (name == "memo.qip" ? "元のファイルはそのまま残っています。" : "")};
    };
    row("write, disk full", "write", ENOSPC, "memo.qip", "書き込みが途中で失敗しました。ディスクの空き容量が足りません。");
    row("write, nothing written", "write", -1, "memo.qip", "書き込みが途中で失敗しました。ディスクの空き容量が足りません。");
    row("sync, I/O error", "fdatasync", EIO, "memo.qip",
        "書き込んだ内容をディスクに書き出せませんでした。ディスクの読み書きでエラーが起きました。");
    row("close, over quota", "close", EDQUOT, "memo.qip",
        "書き込んだファイルを閉じられませんでした。ディスクの使用量の上限に達しています。");
    row("rename, read-only", "rename", EROFS, "memo.qip",
        "書き込んだ内容でファイルを置き換えられませんでした。保存先は読み取り専用です。");
    row("a folder at the name", "", 0, "folder.qip",
        "書き込んだファイルにその名前を付けられませんでした。同じ名前のフォルダーがあります。");
    row("name too long", "", 0, QString(256, u'a'),
        "書き込んだファイルにその名前を付けられませんでした。ファイル名が長すぎます。");
}

// Whatever step fails, the message names it and why, and the folder holds
// what it held: the old file whole, no file left over.
void MemoCommandsTest::failedSaveKeepsOldFile()
{
    QFETCH(FailedSave, save);
    const auto &[call, error, name, reason] = save;
    QTemporaryDir folder;
    const QString target = folder.filePath(name);
    if (name == "folder.qip")
        QVERIFY(QDir(folder.path()).mkdir(name));
    else if (name == "memo.qip")
        QVERIFY(put(target, "old\r\n"));
    FormFixture f;
    qputenv("RUMITA_FAULT", (call + ' ' + QString::number(error)).toLatin1());
    qputenv("RUMITA_FAULT_PATH", QFile::encodeName(folder.path()));
    f.act({type(&F::Text2, QString("123456789\r\n").repeated(10000)), choose(target), Save});
    qunsetenv("RUMITA_FAULT");
    QCOMPARE(f.ui.asked, QStringList{cannotSave.arg(target, reason)});
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             name.size() > 255 ? QStringList() : QStringList{name});
    QCOMPARE(contents(target), name == "memo.qip" ? "old\r\n" : "(unreadable)");
}

// The program's folder and the cache home (all under one temporary folder,
// shown as %1 in the warning), where the page is written, and the warning.
struct PreviewPlace {
    QString programFolder, cacheHome, page, warning;
};
Q_DECLARE_METATYPE(PreviewPlace)

void MemoCommandsTest::previewGoesWhereItCanBeWritten_data()
{
    QTest::addColumn<PreviewPlace>("place");
    const auto row = [](const char *tag, const char *program, const char *cache, const char *page, const QString &warning = {}) {
        QTest::newRow(tag) << PreviewPlace{program, cache, page, warning};
    };
    row("symlink at prev.html", "program", "cache", "program/prev.html");
    row("folder path is a file", "victim", "cache", "cache/rumita/prev.html");
    row("neither writable", "victim", "victim/cache", "",
        "ルミタ|プレビュー用のファイルを書き込めませんでした。\r\n%1/victim/"
        "prev.html\r\n保存用のファイルを作れませんでした。保存先のフォルダーが見つかりません。");
    row("installed", "usr/lib/rumita", "cache", "cache/rumita/prev.html");
    row("relative cache folder", "usr/lib/rumita", "./cache", "home/.cache/rumita/prev.html");
}

void MemoCommandsTest::previewGoesWhereItCanBeWritten()
{
    QFETCH(PreviewPlace, place);
    const auto &[programFolder, cacheHome, page, warning] = place;
    QTemporaryDir folder;
    const QString victim = folder.filePath("victim");
    QVERIFY(put(victim, "keep"));
    for (const char *path : {"program", "usr/lib/rumita", "usr/bin"})  // an installed layout beside the program's
        QVERIFY(QDir(folder.path()).mkpath(path));
    QVERIFY(QFile::link(victim, folder.filePath("program/prev.html")));
    QVERIFY(QFile::copy(victim, folder.filePath("usr/bin/rumita")));
    qputenv("XDG_CACHE_HOME", (cacheHome.startsWith("./") ? cacheHome : folder.filePath(cacheHome)).toLocal8Bit());
    qputenv("HOME", folder.filePath("home").toLocal8Bit());

    FormFixture f(folder.filePath(programFolder));
    f.act({type(&F::Text2, "♡😀é¥表" + QString(QChar(0xD800)))});  // the page shows them as the clipboard has them
    f.form.preview();
    QCOMPARE(contents(victim), QByteArray("keep"));
    QCOMPARE(f.ui.asked, warning.isEmpty() ? QStringList() : QStringList{warning.arg(folder.path())});
    QCOMPARE(f.ui.preview, page.isEmpty() ? QString() : folder.filePath(page));
    if (page.isEmpty())
        return;
    QCOMPARE(
        contents(f.ui.preview),
        cp932::encode(QString(f.s.syuturyoku).replace(f.form.Text2.text(), "&#9825;&#128512;&#233;&#165;表&#65533;") + "\r\n"));
    struct stat cache {};
    if (page.contains("cache/")) {  // the user's alone
        QCOMPARE(stat(QFile::encodeName(QFileInfo(f.ui.preview).path()), &cache), 0);
        QCOMPARE(cache.st_mode & 0777, 0700u);
    }
}

QTEST_GUILESS_MAIN(MemoCommandsTest)
#include "test_memocommands.moc"
