// Linked with the program's own main(): notes when the main window has first
// been exposed (and so painted), prints the time and the memory in use then,
// and ends the run. bench_startup starts it and reads that line.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

QByteArray readProcFile(const char *path)
{
    // /proc files report no size: read until the end.
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qint64 kilobytesAfter(const QByteArray &line, const QByteArray &key)
{
    return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
}

qint64 residentKilobytes()
{
    for (const QByteArray &line : readProcFile("/proc/self/status").split('\n'))
        if (line.startsWith("VmRSS:"))
            return kilobytesAfter(line, "VmRSS:");
    return -1;
}

// Whether a mapping's path contains the name.
bool mapped(const QByteArray &name) { return readProcFile("/proc/self/maps").contains(name); }

// The browser engine starts helper processes once it runs.
int childProcesses()
{
    int children = 0;
    const QByteArray self = QByteArray::number(getpid());
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        entry.toInt(&number);
        if (!number)
            continue;
        const QByteArray stat = readProcFile(QByteArray("/proc/" + entry.toLatin1() + "/stat"));
        // pid (comm) state ppid ...: the command may hold spaces, so count from ')'.
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == self)
            ++children;
    }
    return children;
}

void report()
{
    const qint64 shown = monotonicNanoseconds();
    std::printf("shown_ns=%lld rss_kb=%lld webengine_mapped=%d children=%d\n", shown,
                residentKilobytes(), int(mapped("libQt6WebEngine")), childProcesses());
    std::fflush(stdout);
    // For finding where the memory goes: a copy of the mappings at that moment.
    if (const QString keep = qEnvironmentVariable("RUMITA_PROBE_SMAPS"); !keep.isEmpty()) {
        QFile copy(keep);
        if (copy.open(QIODevice::WriteOnly))
            copy.write(readProcFile("/proc/self/smaps"));
    }
    QCoreApplication::exit(0);
}

class FirstExposure : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || done)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        if (!window || !window->isExposed())
            return false;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow *>(widget) && widget->windowHandle() == window) {
                done = true;
                // The exposure paints the window; report once that is through.
                QTimer::singleShot(0, qApp, report);
            }
        }
        return false;
    }

private:
    bool done = false;
};

void installProbe() { qApp->installEventFilter(new FirstExposure); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
