// The program itself, started as a seller starts it: from a program folder
// with its pictures and the preview program, in a home of its own on the
// virtual display, driven by real keys (xdotool). What its start sets up (the
// look, the icon, the toolkit in Japanese, the browser engine kept to the
// preview program), a memo named on the command line, and the input it keeps
// when a signal ends it, offered at the next start.
#include "tests/support/browserengine.h"
#include "tests/support/formfixture.h"
#include "tests/support/windowhelpers.h"
#include "tests/support/windowtests.h"
#include "tests/support/x11window.h"

#include <QPainter>
#include <QtTest>
#include <csignal>

static QString xdotool(const QStringList &arguments) { return QString(x11window::xdotool(arguments)); }

// One run of the program, its XDG folders left to their defaults under home.
struct Program {
    Program(const QString &folder, const QString &home, const QStringList &arguments = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            environment.remove(name);
        environment.insert("HOME", home);
        process.setProcessEnvironment(environment);
        process.start(QDir(folder).filePath("rumita"), arguments);
    }
    ~Program() { process.kill(), process.waitForFinished(); }
    QStringList windows()
    {
        return xdotool({"search", "--onlyvisible", "--pid", QString::number(process.processId()), "--class", "rumita"})
            .split('\n', Qt::SkipEmptyParts);
    }
    // Waits for more than `before` windows and gives the newest the keyboard
    // (the main window when `before` is 0); false when none showed.
    bool focus(qsizetype before = 0)
    {
        const bool shown = QTest::qWaitFor([&] { return windows().size() > before; }, 30000);
        xdotool({"windowfocus", "--sync", before ? windows().value(before) : windows().value(0)});
        QTest::qWait(before ? 500 : 300);  // for the toolkit to take the focus in, and a new window to settle
        return shown;
    }
    void keys(const QStringList &keys) { xdotool(QStringList{"key", "--delay", "30"} + keys), QTest::qWait(300); }
    void type(const QString &text) { xdotool({"type", "--delay", "15", text}), QTest::qWait(300); }
    // Opens a file dialog with keys for the main window and answers it with
    // path; the dialog's title, nothing when none opened.
    QString chooseFile(const QStringList &opening, const QString &path)
    {
        // Keys that arrive before the toolkit has taken the focus in are lost; once more.
        for (int tries = 0; tries < 2 && windows().size() < 2; ++tries)
            focus(), keys(opening), QTest::qWaitFor([&] { return windows().size() > 1; }, 10000);
        if (!focus(1))
            return {};
        const QString title = xdotool({"getwindowname", windows().last()});
        keys({"ctrl+a"}), type(path), keys({"Return"});
        return title;
    }
    QProcess process;
};

static bool engineMapped(qint64 pid) { return contents(QString("/proc/%1/maps").arg(pid)).contains("libQt6WebEngine"); }

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    // The program folder a seller has: the program, its pictures (but the
    // two of the second picture box, as in golden/start.png) and the preview program.
    void initTestCase()
    {
        prepareProgramFolder(folder.path(), qEnvironmentVariable("RUMITA_PICTURES"), {"hime.jpg", "hime2.jpg"});
        QVERIFY(QFile::copy(qEnvironmentVariable("RUMITA_PROGRAM"), folder.filePath("rumita")));
        xdotool({"mousemove", "1000", "1000"});  // off the window, whose buttons light up under the pointer
    }

    // A start with a memo Open refuses: what the start sets up, the input
    // kept at a signal, and the next start that offers it; a hang-up and an
    // interrupt end that one, with nothing to keep.
    void keptAtSignalOfferedAtNextStart();

    // A memo named on the command line opens as Open opens it.
    void memoOnCommandLine();

private:
    QTemporaryDir folder;
};

void ProgramTest::keptAtSignalOfferedAtNextStart()
{
    QTemporaryDir home;
    const QString state = home.filePath(".local/state/rumita");
    qint64 previewPid = 0;
    {
        Program p(folder.path(), home.path(), {memoData("bad-layout.qip")});
        QVERIFY2(p.focus(1), "no message about the refused memo");
        QCOMPARE(xdotool({"getwindowname", p.windows().last()}), "ルミタ");
        p.keys({"Return"});
        QVERIFY(p.focus());
        // The fresh window in the program's own look, once drawn again where
        // the message was, and its icon. The title box aside: its frame shows
        // that it has the keyboard, and its caret blinks.
        const quint64 main = p.windows().first().toULongLong();
        const auto titleBoxAside = [](const QImage &picture) {
            QImage image = picture.convertToFormat(QImage::Format_RGB32);
            QPainter(&image).fillRect(88, 41, 297, 25, Qt::black);
            return image;
        };
        const QImage golden = titleBoxAside(QImage(qEnvironmentVariable("RUMITA_TEST_DATA") + "/golden/start.png"));
        QTRY_VERIFY2_WITH_TIMEOUT(titleBoxAside(QGuiApplication::primaryScreen()->grabWindow(main).toImage()) == golden,
                                  "the window differs from golden/start.png", 10000);
        QProcess xprop;
        xprop.start("xprop", {"-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON", "-id", QString::number(main)});
        QVERIFY(xprop.waitForFinished());
        QVERIFY2(xprop.readAll().startsWith("_NET_WM_ICON = 32, 32, "), "no icon of 32 by 32 pixels");
        p.type("ABC");
        if (!browserEngineKeptOut()) {
            // The browser engine comes with the first preview, in the preview program alone.
            QVERIFY(!engineMapped(p.process.processId()));
            p.keys(QStringList(14, "Tab") + QStringList{"space"});  // the preview button
            // Asked again until its window shows with its process named, which may come later.
            const auto previewShown = [&] {
                return (previewPid = xdotool({"search", "--onlyvisible", "--name", "^プレビュー$", "getwindowpid"}).toLongLong());
            };
            QVERIFY2(QTest::qWaitFor(previewShown, 30000), "no preview showed");
            QVERIFY(engineMapped(previewPid));
            QVERIFY(!engineMapped(p.process.processId()));
        }
        ::kill(p.process.processId(), SIGTERM);
        QTRY_COMPARE_WITH_TIMEOUT(p.process.state(), QProcess::NotRunning, 30000);
        QCOMPARE(p.process.exitCode(), 128 + SIGTERM);
    }
    if (previewPid)  // the preview program ends with the program
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QString("/proc/%1/exe").arg(previewPid)), 10000);
    const QStringList kept = QDir(state).entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY2(QDateTime::fromString(kept[0], "yyyy-MM-dd_HH-mm-ss'.qip'").isValid(), qPrintable(kept[0]));
    QCOMPARE(contents(QDir(state).filePath(kept[0])), abcMemo);
    {
        // The next start offers it; Yes opens it, and Save writes it again,
        // from the toolkit's file dialog in Japanese.
        Program p(folder.path(), home.path());
        QVERIFY2(p.focus(1), "the kept input was not offered");
        p.keys({"Return"});
        QCOMPARE(p.chooseFile({"alt+m", "e"}, home.filePath("memo.qip")), "名前を付けて保存");
        QTRY_COMPARE_WITH_TIMEOUT(contents(home.filePath("memo.qip")), abcMemo, 10000);
        // A hang-up and an interrupt end it as one, with nothing to keep.
        ::kill(p.process.processId(), SIGHUP), ::kill(p.process.processId(), SIGINT);
        QTRY_COMPARE_WITH_TIMEOUT(p.process.state(), QProcess::NotRunning, 30000);
        QVERIFY(QList<int>({128 + SIGHUP, 128 + SIGINT}).contains(p.process.exitCode()));  // as a shell reports an end by either
    }
    // Nothing else is left in the home: not by the toolkit, the engine nor the preview.
    QStringList files;
    for (QDirIterator it(home.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(home.path()).relativeFilePath(it.next());
    files.sort();
    QCOMPARE(files, QStringList({".local/state/rumita/" + kept[0], "memo.qip"}));
}

void ProgramTest::memoOnCommandLine()
{
    QTemporaryDir home;
    const QString memo = memoData("valid-standard.qip"), saved = home.filePath("saved.qip");
    Program p(folder.path(), home.path(), {memo});
    QVERIFY(!p.chooseFile({"alt+m", "e"}, saved).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(contents(saved), contents(memo), 10000);
}

int main(int argc, char *argv[]) { return runWindowTests<ProgramTest>(argc, argv); }
#include "test_program.moc"
