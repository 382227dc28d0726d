// The program itself (build/rumita), started as a seller starts it, in a
// home of its own on the virtual display, driven by real keys (xdotool): the
// input it keeps when a signal ends it, offered at the next start, and the
// files a session of every command leaves behind.
#include "tests/support/browserengine.h"
#include "tests/support/formfixture.h"
#include "tests/support/windowtests.h"
#include "tests/support/x11window.h"

#include <QtTest>
#include <csignal>

static QString xdotool(const QStringList &arguments) { return QString(x11window::xdotool(arguments)); }

// One run of the program, its XDG folders left to their defaults under home.
struct Program {
    explicit Program(const QString &home, const QStringList &arguments = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            environment.remove(name);
        environment.insert("HOME", home);
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("RUMITA_PROGRAM"), arguments);
        focus();
    }
    ~Program() { process.kill(), process.waitForFinished(); }
    // Gives the keyboard to the main window, or to the newest of more windows than there were.
    void focus(qsizetype windowsBefore = 0)
    {
        QStringList ids;
        QVERIFY2(QTest::qWaitFor([&] { return (ids = windows()).size() > windowsBefore; }, 30000), "no window showed");
        xdotool({"windowfocus", "--sync", windowsBefore ? ids.last() : ids.first()});
        QTest::qWait(windowsBefore ? 1000 : 300);  // for the toolkit to take the focus in, and a new window to settle
    }
    QStringList windows()
    {
        return xdotool({"search", "--onlyvisible", "--pid", QString::number(process.processId()), "--class", "rumita"})
            .split('\n', Qt::SkipEmptyParts);
    }
    void keys(const QStringList &keys) { xdotool(QStringList{"key", "--delay", "100"} + keys), QTest::qWait(300); }
    void type(const QString &text) { xdotool({"type", "--delay", "50", text}), QTest::qWait(300); }
    // Keys for the main window (which a closed window leaves without the
    // focus when no window manager runs); returns once they have opened a
    // window, which then has the keyboard.
    void open(const QStringList &keysForMain)
    {
        focus();
        const qsizetype before = windows().size();
        keys(keysForMain);
        // Keys that arrive before the toolkit has taken the focus in are lost; once more.
        if (!QTest::qWaitFor([&] { return windows().size() > before; }, 10000))
            focus(), keys(keysForMain);
        focus(before);
    }
    void chooseFile(const QStringList &opening, const QString &path)
    {
        open(opening), keys({"ctrl+a"}), type(path), keys({"Return"});
    }
    QProcess process;
};

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void keptAtSignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("typed");
        for (int signal : {SIGTERM, SIGHUP, SIGINT})
            for (bool typed : {true, false})
                QTest::addRow("%s, %s", strsignal(signal), typed ? "typed" : "nothing typed") << signal << typed;
    }
    void keptAtSignal();
    void openedFromCommandLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("refused");
        QTest::newRow("memo") << "valid-standard.qip" << false;
        QTest::newRow("refused memo") << "bad-layout.qip" << true;
        QTest::newRow("missing") << "no-such-file.qip" << true;
    }
    void openedFromCommandLine();
};

// What Save writes for the title "ABC" in a fresh window.
static const QByteArray M = "<qip.$>";
static const QByteArray abcMemo = "ABC" + M + M + M + "0" + M + "1" + M + ("0" + M).repeated(9) + "0" + M + "1" + M +
                                  ("0" + M).repeated(6) + M.repeated(31) + "\r\n";

void ProgramTest::keptAtSignal()
{
    QFETCH(int, signal);
    QFETCH(bool, typed);
    QTemporaryDir home;
    Program ended(home.path());
    if (typed)
        ended.type("ABC");
    ::kill(ended.process.processId(), signal);
    QTRY_COMPARE_WITH_TIMEOUT(ended.process.state(), QProcess::NotRunning, 30000);
    QCOMPARE(ended.process.exitCode(), 128 + signal);
    const QDir state(home.filePath(".local/state/rumita"));
    const QStringList kept = state.entryList(QDir::Files);
    QCOMPARE(kept.size(), int(typed));
    if (!typed)
        return;
    QVERIFY2(QDateTime::fromString(kept[0], "yyyy-MM-dd_HH-mm-ss'.qip'").isValid(), qPrintable(kept[0]));
    QCOMPARE(contents(state.filePath(kept[0])), abcMemo);
    // The next start offers it; Yes opens it, and Save writes it again.
    const QString memo = home.filePath("memo.qip");
    Program p(home.path());
    p.focus(1), p.keys({"Return"});
    p.chooseFile({"alt+m", "e"}, memo);
    QTRY_COMPARE_WITH_TIMEOUT(contents(memo), abcMemo, 10000);
    if (signal != SIGTERM)
        return;
    // New, Open, paste, preview, help and exit add no file to the home folder.
    p.open({"alt+m", "n"}), p.keys({"Return"});
    p.chooseFile({"alt+m", "o"}, memo);
    const QStringList toPaste(13, "Tab");  // the paste button's place in the tab order
    p.open(toPaste + QStringList{"space"}), p.keys({"Return"});
    if (!browserEngineKeptOut())
        p.open(toPaste + QStringList{"Tab", "space"});
    p.open({"alt+h", "Return"});
    p.open({"alt+m", "x"}), p.keys({"Return"});
    QTRY_COMPARE_WITH_TIMEOUT(p.process.state(), QProcess::NotRunning, 30000);
    QStringList files;
    for (QDirIterator it(home.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(home.path()).relativeFilePath(it.next());
    files.sort();
    QVERIFY2(files == QStringList({".local/state/rumita/" + kept[0], "memo.qip"}), qPrintable(files.join(", ")));
}

// `rumita FILE` opens the memo as Open does: Save then writes the same bytes.
// A file Open refuses is named in a message and leaves the fresh window.
void ProgramTest::openedFromCommandLine()
{
    QFETCH(QString, file);
    QFETCH(bool, refused);
    QTemporaryDir home;
    const QString memo = memoData(file), saved = home.filePath("saved.qip");
    Program p(home.path(), {memo});
    if (refused)
        p.focus(1), p.keys({"Return"});
    p.chooseFile({"alt+m", "e"}, saved);
    const QByteArray blank = abcMemo.mid(3);
    QTRY_COMPARE_WITH_TIMEOUT(contents(saved), refused ? blank : contents(memo), 10000);
}

int main(int argc, char *argv[]) { return runWindowTests<ProgramTest>(argc, argv); }
#include "test_program.moc"
