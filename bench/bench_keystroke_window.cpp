// One keystroke in the real main window's description box: the key event,
// the model's handler, the rebuild, refreshListing, the source box (Text4)
// taking the new listing, and the repaint that follows, under a display.
// And Open of a memo file through the menu and the real file dialog.
#include "look/appearance.h"
#include "app/mainwindow.h"
#include "benchtext.h"
#include "memo/cp932.h"
#include "memo/diskfile.h"
#include "memo/memofile.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

class KeystrokeWindowBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyAppearance(*qApp); }
    void keystroke_data() { addDescriptionRows(); }
    void keystroke();
    void open_data();
    void open();
};

void KeystrokeWindowBench::keystroke()
{
    QFETCH(QString, description);
    MainWindow window(QStringLiteral(RUMITA_PROGRAM_FOLDER));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *box = window.findChild<QPlainTextEdit *>("Text2");
    auto *source = window.findChild<QPlainTextEdit *>("Text4");
    QVERIFY(box && source);

    window.form().Text2.setText(description);
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    const qsizetype listingSize = window.form().Text4.text().size();

    // A letter typed, then taken back with Backspace, in turn; each pass
    // includes the paint the keystroke asks for.
    bool add = true;
    QBENCHMARK {
        QTest::keyClick(box, add ? Qt::Key_A : Qt::Key_Backspace,
                        Qt::NoModifier);
        QCoreApplication::processEvents();
        add = !add;
    }
    const qsizetype expected = listingSize + (add ? 0 : 1);
    QCOMPARE(window.form().Text4.text().size(), expected);
    QCOMPARE(source->document()->characterCount() > description.size() / 2, true);
}

// Files at Open's limits (1 MB, 20000 lines, 16 KB in a line); a larger one
// is refused with a message.
void KeystrokeWindowBench::open_data()
{
    QTest::addColumn<QString>("description");
    for (qsizetype bytes : {100 << 10, 1 << 20})
        QTest::newRow(sizeTag(bytes)) << descriptionOfBytes(bytes);
    // The record's markers and numbers share the token's line.
    QTest::newRow("unbroken 16 KB") << unbrokenToken((16 << 10) - 512);
    // With the record's final line break, a file of 20000 lines.
    QTest::newRow("20000 empty lines") << QString(19'998, u'\r').append(u'x');
}

// Two memo files that differ in the description's first character are opened
// in turn, so that every Open replaces the whole text of the boxes. The time
// includes the file dialog, answered as soon as it shows.
void KeystrokeWindowBench::open()
{
    QFETCH(QString, description);
    QTemporaryDir folder;
    QStringList files;
    for (const char16_t first : {u'a', u'b'}) {
        MemoRecord record;
        record.description = QString(description).replace(0, 1, QChar(first));
        files << folder.filePath(first == u'a' ? "a.qip" : "b.qip");
        QVERIFY(diskfile::save(files.last(), cp932::encode(memofile::text(record))).isEmpty());
    }
    MainWindow window(QStringLiteral(RUMITA_PROGRAM_FOLDER));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *openMenu = window.findChild<QAction *>("IME_hirak");
    int next = 0, answered = 0;
    // Types the next file's name into the file dialog as soon as it shows.
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(files[next]);
            QMetaObject::invokeMethod(dialog, "accept");
            ++answered;
        }
    });
    answer.start(5);
    int opened = 0;
    QBENCHMARK {
        window.form().state.editedFlag = 0;
        openMenu->trigger();
        QCoreApplication::processEvents();
        next = 1 - next;
        ++opened;
    }
    QCOMPARE(answered, opened);
    QCOMPARE(window.form().Text2.text().size() > 0, true);
}

QTEST_MAIN(KeystrokeWindowBench)
#include "bench_keystroke_window.moc"
