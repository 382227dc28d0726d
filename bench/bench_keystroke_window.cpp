// One keystroke in the real main window's description box, from the key
// event to the source box (Text4) repainted, and Open of a memo file through
// the menu and the real file dialog, each set beside the bare baseline: one
// QPlainTextEdit in a window of its own, holding the same text, given the
// same keys or filled with the same file's decoded text. The two are
// measured in turn, in one run, so that the machine's load falls on both.
#include "app/mainwindow.h"
#include "benchtext.h"
#include "memo/cp932.h"
#include "memo/diskfile.h"
#include "memo/memofile.h"
#include "tests/support/windowhelpers.h"
#include "tests/support/windowtests.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using Times = std::vector<double>;  // milliseconds

static double percentile(Times times, double p)
{
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, size_t(p * double(times.size())))];
}

static void report(const char *what, const Times &window, const Times &bare)
{
    const double w = percentile(window, 0.5), b = percentile(bare, 0.5);
    qInfo("%-28s median %8.3f ms  p99 %8.3f ms | bare %8.3f ms  p99 %8.3f ms | ratio %5.2f", what,
          w, percentile(window, 0.99), b, percentile(bare, 0.99), w / b);
}

static void settle()
{
    // The source box catches up and the window paints once the events are handled.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Types a letter and takes it back, in turn, timing each keystroke.
static void typeInTurn(QPlainTextEdit *box, int keys, Times &times)
{
    for (int i = 0; i < keys; ++i) {
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(box, i % 2 ? Qt::Key_Backspace : Qt::Key_A);
        settle();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
}

// A key held down for two seconds, repeating 25 times a second as a desktop
// does: repeats that come while a keystroke is handled wait in the queue.
// Returns how long after the release the window answers.
static double heldKeyBacklog(QPlainTextEdit *box)
{
    QElapsedTimer clock;
    clock.start();
    constexpr qint64 interval = 40, held = 2000;
    qint64 next = 0;
    QTimer repeat;
    QObject::connect(&repeat, &QTimer::timeout, [&] {
        for (; next <= std::min(clock.elapsed(), held); next += interval)
            QCoreApplication::postEvent(
                box, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
    });
    repeat.start(1);
    while (next <= held)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    repeat.stop();
    settle();
    return double(clock.nsecsElapsed()) / 1e6 - double(held);
}

class KeystrokeWindowBench : public QObject {
    Q_OBJECT
private slots:
    void keystroke_data();
    void keystroke();
    void open();
};

void KeystrokeWindowBench::keystroke_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("pasted");
    for (qsizetype bytes : {1 << 10, 100 << 10, 1 << 20})
        QTest::newRow(sizeTag(bytes)) << descriptionOfBytes(bytes) << false;
    QTest::newRow("unbroken 16 KB") << unbrokenToken(16 << 10) << false;
    QTest::newRow("unbroken 100 KB") << unbrokenToken(100 << 10) << false;
    QTest::newRow("pasted 1 MB of HTML") << oneLineOfHtml(512 << 10) << true;
}

void KeystrokeWindowBench::keystroke()
{
    QFETCH(QString, description);
    QFETCH(bool, pasted);
    MainWindow window(QStringLiteral(RUMITA_PROGRAM_FOLDER));
    window.show();
    auto *box = window.findChild<QPlainTextEdit *>("Text2");
    QPlainTextEdit bare;  // with the description box's font and size
    bare.setFont(box->font());
    bare.resize(box->size());
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowExposed(&bare));
    for (QPlainTextEdit *edit : {box, &bare}) {
        if (pasted) {
            QApplication::clipboard()->setText(description);
            edit->paste();
        } else {
            edit->setPlainText(
                QString(description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        }
        edit->moveCursor(QTextCursor::End);
        settle();
    }
    const qsizetype listingSize = window.form().Text4.text().size();
    Times inWindow, inBare;
    for (int round = 0; round < 10; ++round) {
        typeInTurn(box, 20, inWindow);
        typeInTurn(&bare, 20, inBare);
    }
    QCOMPARE(window.form().Text4.text().size(), listingSize);
    report(QTest::currentDataTag(), inWindow, inBare);
    if (description.size() <= (512 << 10) && !pasted) {
        const double w = heldKeyBacklog(box);
        QElapsedTimer clock;
        clock.start();
        const auto *source = window.findChild<QPlainTextEdit *>("Text4");
        QVERIFY(QTest::qWaitFor([&] {
            return source->document()->characterCount() - 1 == window.form().Text4.text().size();
        }));
        const double caughtUp = double(clock.nsecsElapsed()) / 1e6, b = heldKeyBacklog(&bare);
        qInfo(
            "%-28s held key: answering %.0f ms after the release, the source box %.0f ms later | "
            "bare %.0f ms",
            QTest::currentDataTag(), w, caughtUp, b);
    }
}

// Two 1 MB memo files that differ in the description's first character are
// opened in turn, so that every Open replaces the whole text of the boxes;
// the window's time includes the file dialog, answered as soon as it shows.
// The bare box reads and decodes the same file and shows its text.
void KeystrokeWindowBench::open()
{
    QTemporaryDir folder;
    QStringList files;
    for (const char16_t first : {u'a', u'b'}) {
        MemoRecord record;
        record.description = descriptionOfBytes((1 << 20) - 600).replace(0, 1, QChar(first));
        files << folder.filePath(first == u'a' ? "a.qip" : "b.qip");
        QVERIFY(diskfile::save(files.last(), cp932::encode(memofile::text(record)), nullptr));
    }
    MainWindow window(QStringLiteral(RUMITA_PROGRAM_FOLDER));
    window.show();
    QPlainTextEdit bare;
    bare.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowExposed(&bare));
    auto *openMenu = window.findChild<QAction *>("IME_hirak");
    int next = 0;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
            answerDialog(dialog, files[next]);
    });
    answer.start(0);
    Times inWindow, inBare;
    for (int round = 0; round < 8; ++round) {
        QElapsedTimer clock;
        clock.start();
        window.form().state.editedFlag = 0;
        openMenu->trigger();
        settle();
        inWindow.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        const auto bytes = diskfile::load(files[next], 1 << 20, nullptr);
        bare.setPlainText(cp932::decode(bytes.value(), nullptr).value());
        settle();
        inBare.push_back(double(clock.nsecsElapsed()) / 1e6);
        next = 1 - next;
    }
    QCOMPARE(window.form().Text2.text().size(), descriptionOfBytes((1 << 20) - 600).size());
    qInfo("Open of 1 MB, first: %.1f ms | bare %.1f ms | ratio %.2f", inWindow[0], inBare[0],
          inWindow[0] / inBare[0]);
    report("Open of 1 MB, later", Times(inWindow.begin() + 1, inWindow.end()),
           Times(inBare.begin() + 1, inBare.end()));
}

int main(int argc, char *argv[]) { return runWindowTests<KeystrokeWindowBench>(argc, argv); }
#include "bench_keystroke_window.moc"
