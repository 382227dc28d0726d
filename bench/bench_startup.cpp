// Start-up: from the moment a process is started to its main window shown,
// and the resident memory then, for the program (bench_startup_probe: its
// own main() with a probe that reports the first exposure of the main window)
// and for its bare baseline (bench_startup_bare: a QMainWindow with one
// QPlainTextEdit, probed the same way), started in turn so that both meet the
// same machine. Needs a display.
//   RUMITA_STARTUP_RUNS     starts of each (default 11)
//   RUMITA_STARTUP_PROGRAM  another build's probe in place of this one's, to
//                           set an older version against the same baseline
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <ctime>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct Run {
    double milliseconds = 0;
    qint64 residentKb = 0;
    bool engineMapped = false;
    int children = 0;
};

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

class StartupBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void timeToMainWindow();
    void residentMemory();
    void browserEngineNotMapped();

private:
    static Run startOnce(const QString &program);
    template <typename Figure>
    void report(const char *what, const char *unit, double scale, Figure figure);
    QString program;
    std::vector<Run> runs, bare;
};

Run StartupBench::startOnce(const QString &program)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = monotonicNanoseconds();
    probe.start(program, {});
    if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
        qFatal("the probe did not finish: %s", qPrintable(probe.errorString()));
    Run run;
    QMap<QByteArray, qint64> fields;
    for (const QByteArray &field : probe.readAllStandardOutput().trimmed().split(' ')) {
        const auto pair = field.split('=');
        fields[pair.value(0)] = pair.value(1).toLongLong();
    }
    if (!fields.contains("shown_ns"))
        qFatal("the probe reported nothing");
    run.milliseconds = (fields["shown_ns"] - started) / 1e6;
    run.residentKb = fields["rss_kb"];
    run.engineMapped = fields["webengine_mapped"] != 0;
    run.children = int(fields["children"]);
    return run;
}

void StartupBench::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        QSKIP("needs a display (run under xvfb-run)");
    program = qEnvironmentVariableIsSet("RUMITA_STARTUP_PROGRAM")
                  ? qEnvironmentVariable("RUMITA_STARTUP_PROGRAM")
                  : QStringLiteral(RUMITA_STARTUP_PROBE);
    // The first starts also fill the file cache; not counted.
    startOnce(program), startOnce(RUMITA_STARTUP_BARE);
    const int count = qEnvironmentVariableIntValue("RUMITA_STARTUP_RUNS") > 0
                          ? qEnvironmentVariableIntValue("RUMITA_STARTUP_RUNS")
                          : 11;
    for (int i = 0; i < count; ++i) {
        runs.push_back(startOnce(program));
        bare.push_back(startOnce(RUMITA_STARTUP_BARE));
    }
}

// Prints the program's median beside the baseline's, and their ratio.
template <typename Figure>
void StartupBench::report(const char *what, const char *unit, double scale, Figure figure)
{
    std::vector<double> mine, baseline;
    for (const Run &run : runs)
        mine.push_back(figure(run) * scale);
    for (const Run &run : bare)
        baseline.push_back(figure(run) * scale);
    qInfo("%s, median of %zu: %.1f %s, bare baseline %.1f %s, ratio %.2f", what, mine.size(),
          median(mine), unit, median(baseline), unit, median(mine) / median(baseline));
}

void StartupBench::timeToMainWindow()
{
    report("process start to main window shown", "ms", 1,
           [](const Run &r) { return r.milliseconds; });
    std::vector<double> times;
    for (const Run &run : runs)
        times.push_back(run.milliseconds);
    QTest::setBenchmarkResult(median(times), QTest::WalltimeMilliseconds);
}

void StartupBench::residentMemory()
{
    report("resident memory at the main window shown", "MB", 1 / 1024.0,
           [](const Run &r) { return double(r.residentKb); });
    std::vector<qint64> resident;
    for (const Run &run : runs)
        resident.push_back(run.residentKb);
    QTest::setBenchmarkResult(median(resident) * 1024.0, QTest::BytesAllocated);
}

// Not a timing: the browser engine is the preview program's, so the main
// program neither maps its library nor starts a helper process.
void StartupBench::browserEngineNotMapped()
{
    for (const Run &run : runs) {
        QCOMPARE(run.engineMapped, false);
        QCOMPARE(run.children, 0);
    }
}

QTEST_GUILESS_MAIN(StartupBench)
#include "bench_startup.moc"
