// One keystroke in the real main window's description box: the key event,
// the model's handler, the rebuild, refreshListing, the source box (Text4)
// taking the new listing, and the repaint that follows, under a display.
#include "app/appearance.h"
#include "app/mainwindow.h"
#include "benchtext.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

class KeystrokeWindowBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyAppearance(*qApp); }
    void keystroke_data();
    void keystroke();
};

void KeystrokeWindowBench::keystroke_data()
{
    QTest::addColumn<qsizetype>("bytes");
    for (qsizetype bytes : benchSizes)
        QTest::newRow(sizeTag(bytes)) << bytes;
}

void KeystrokeWindowBench::keystroke()
{
    QFETCH(qsizetype, bytes);
    MainWindow window(QStringLiteral(RUMITA_PROGRAM_FOLDER));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *description = window.findChild<QPlainTextEdit *>("Text2");
    auto *source = window.findChild<QPlainTextEdit *>("Text4");
    QVERIFY(description && source);

    window.form().Text2.setText(descriptionOfBytes(bytes));
    description->setFocus();
    description->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    const qsizetype listingSize = window.form().Text4.text().size();

    // A letter typed, then taken back with Backspace, in turn; each pass
    // includes the paint the keystroke asks for.
    bool add = true;
    QBENCHMARK {
        QTest::keyClick(description, add ? Qt::Key_A : Qt::Key_Backspace,
                        Qt::NoModifier);
        QCoreApplication::processEvents();
        add = !add;
    }
    const qsizetype expected = listingSize + (add ? 0 : 1);
    QCOMPARE(window.form().Text4.text().size(), expected);
    QCOMPARE(source->document()->characterCount() > bytes / 2, true);
}

QTEST_MAIN(KeystrokeWindowBench)
#include "bench_keystroke_window.moc"
