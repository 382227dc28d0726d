// The preview: time from the Preview command to the page loaded in the
// preview program's window. The first preview starts the preview program and
// its browser engine; a second one reuses the window and the engine. Needs a display. A process has one first preview, so
// scripts/bench.sh runs this program several times.
#include "look/appearance.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "benchtext.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
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
    // Runs the Preview command and waits for the page; false if it never loaded.
    bool previewAndWait(int timeoutMs = 60000);

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
    applyAppearance(*qApp);
    // The program's folder receives prev.html: a fresh one, with the pictures.
    QVERIFY(folder.isValid());
    for (const char *picture : {"hime.jpg", "hime2.jpg", "kime.jpg", "kime2.jpg"})
        QFile::copy(QDir(RUMITA_PROGRAM_FOLDER).filePath(picture), folder.filePath(picture));
    QFile::link(RUMITA_PREVIEW_PROGRAM, folder.filePath(QFileInfo(RUMITA_PREVIEW_PROGRAM).fileName()));
    window = new MainWindow(folder.path());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // A listing of ordinary size: a title, 2 KB of description, notes.
    MainForm &form = window->form();
    form.Text1.setText("限定品ｶﾒﾗ 新品・未開封");
    form.Text2.setText(descriptionOfBytes(2 << 10));
    form.Text3.setText("ノークレーム・ノーリターンでお願いします。\r\n発送は入金確認後二日以内です。");
}

bool PreviewBench::previewAndWait(int timeoutMs)
{
    QSignalSpy loaded(&window->desktop().preview(), &PreviewClient::loaded);
    window->form().preview();
    return loaded.wait(timeoutMs) && loaded.constLast().value(0).toBool();
}

void PreviewBench::firstPreview()
{
    if (firstMs < 0) {
        const qint64 before = residentKilobytes();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(previewAndWait());
        firstMs = timer.nsecsElapsed() / 1e6;
        qInfo("first preview: %.1f ms; resident memory of the main program %.1f MB before, %.1f MB after",
              firstMs, before / 1024.0, residentKilobytes() / 1024.0);
    }
    QTest::setBenchmarkResult(firstMs, QTest::WalltimeMilliseconds);
}

void PreviewBench::secondPreview()
{
    QBENCHMARK {
        QVERIFY(previewAndWait());
    }
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
    QBENCHMARK_ONCE {
        QVERIFY(previewAndWait(120000));
    }
}

void PreviewBench::cleanupTestCase()
{
    window->desktop().closeSecondaryWindows();
    delete window;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PreviewBench bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_preview.moc"
