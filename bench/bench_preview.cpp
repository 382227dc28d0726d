// The preview: time from the Preview command to the page loaded in the
// preview program's window. The first preview starts the preview program and
// its browser engine; a second one reuses the window and the engine. Needs a display. A process has
// one first preview, so scripts/bench.sh runs this program several times.
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "benchtext.h"
#include "tests/support/windowhelpers.h"
#include "tests/support/windowtests.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PreviewBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstPreview();
    void secondPreview();
    void largeListing_data();
    void largeListing();
    void cleanupTestCase();

private:
    QTemporaryDir folder;
    double firstMs = -1;  // Qt Test may call a benchmark function again
    MainWindow *window = nullptr;
};

static qint64 residentKilobytes()
{
    QFile status("/proc/self/status");
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

void PreviewBench::initTestCase()
{
    // The program's folder receives prev.html: a fresh one, with the pictures.
    QVERIFY(folder.isValid());
    prepareProgramFolder(folder.path(), RUMITA_PROGRAM_FOLDER,
                         {"hime.jpg", "hime2.jpg", "kime.jpg", "kime2.jpg"});
    window = new MainWindow(folder.path());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // A listing of ordinary size: a title, 2 KB of description, notes.
    MainForm &form = window->form();
    form.Text1.setText("限定品ｶﾒﾗ 新品・未開封");
    form.Text2.setText(descriptionOfBytes(2 << 10));
    form.Text3.setText(
        "ノークレーム・ノーリターンでお願いします。\r\n発送は入金確認後二日以内です。");
}

void PreviewBench::firstPreview()
{
    if (firstMs < 0) {
        const qint64 before = residentKilobytes();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(previewAndWait(*window));
        firstMs = timer.nsecsElapsed() / 1e6;
        qInfo(
            "first preview: %.1f ms; resident memory of the main program %.1f MB before, %.1f MB "
            "after",
            firstMs, before / 1024.0, residentKilobytes() / 1024.0);
    }
    QTest::setBenchmarkResult(firstMs, QTest::WalltimeMilliseconds);
}

void PreviewBench::secondPreview()
{
    QBENCHMARK { QVERIFY(previewAndWait(*window)); }
}

void PreviewBench::largeListing_data()
{
    QTest::addColumn<qsizetype>("bytes");
    for (qsizetype bytes : {100 << 10, 1 << 20, 5 << 20})
        QTest::newRow(sizeTag(bytes)) << bytes;
}

// A listing of about the given size, previewed in the open window.
void PreviewBench::largeListing()
{
    QFETCH(qsizetype, bytes);
    window->form().Text2.setText(descriptionOfBytes(bytes));
    QBENCHMARK_ONCE { QVERIFY(previewAndWait(*window, 120000)); }
}

void PreviewBench::cleanupTestCase()
{
    window->desktop().closeSecondaryWindows();
    delete window;
}

int main(int argc, char *argv[]) { return runWindowTests<PreviewBench>(argc, argv); }
#include "bench_preview.moc"
