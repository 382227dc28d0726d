// Start-up: from the moment the program's process is started to its main
// window shown, and the resident memory then. Each run starts a fresh
// bench_startup_probe (the program's own main() with a probe that reports the
// first exposure of the main window); needs a display.
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
    qint64 residentKb = 0, engineResidentKb = 0;
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
    void browserEngineNotStarted();

private:
    static Run startOnce();
    std::vector<Run> runs;
};

Run StartupBench::startOnce()
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 started = monotonicNanoseconds();
    probe.start(QStringLiteral(RUMITA_STARTUP_PROBE), {});
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
    run.engineResidentKb = fields["webengine_rss_kb"];
    run.engineMapped = fields["webengine_mapped"] != 0;
    run.children = int(fields["children"]);
    return run;
}

void StartupBench::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        QSKIP("needs a display (run under xvfb-run)");
    startOnce();  // the first start also fills the file cache; not counted
    const int count = qEnvironmentVariableIntValue("RUMITA_STARTUP_RUNS") > 0
                          ? qEnvironmentVariableIntValue("RUMITA_STARTUP_RUNS")
                          : 11;
    for (int i = 0; i < count; ++i)
        runs.push_back(startOnce());
}

void StartupBench::timeToMainWindow()
{
    std::vector<double> times;
    for (const Run &run : runs)
        times.push_back(run.milliseconds);
    qInfo("process start to main window shown, %zu runs: median %.1f ms, min %.1f, max %.1f",
          times.size(), median(times), *std::min_element(times.begin(), times.end()),
          *std::max_element(times.begin(), times.end()));
    QTest::setBenchmarkResult(median(times), QTest::WalltimeMilliseconds);
}

void StartupBench::residentMemory()
{
    std::vector<qint64> resident, engine;
    for (const Run &run : runs) {
        resident.push_back(run.residentKb);
        engine.push_back(run.engineResidentKb);
    }
    qInfo("resident memory at the main window shown: median %.1f MB, max %.1f MB; "
          "of it the browser engine's library: %.1f MB",
          median(resident) / 1024.0, *std::max_element(resident.begin(), resident.end()) / 1024.0,
          median(engine) / 1024.0);
    QTest::setBenchmarkResult(median(resident) * 1024.0, QTest::BytesAllocated);
}

// Not a timing: the engine must wait for the first preview. Its library is
// linked, so the loader maps it, but nothing of it has run: no helper process.
void StartupBench::browserEngineNotStarted()
{
    for (const Run &run : runs)
        QCOMPARE(run.children, 0);
}

QTEST_GUILESS_MAIN(StartupBench)
#include "bench_startup.moc"
