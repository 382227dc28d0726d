// One keystroke in the description box, in the core: the model's handler,
// the rebuild of the description fragments and refreshListing, with no widget.
// Set against a plain copy of as many bytes, the floor any rebuild pays.
#include "benchtext.h"
#include "tests/formfixture.h"

#include <QTest>

class KeystrokeCoreBench : public QObject {
    Q_OBJECT
private slots:
    void plainCopy_data() { sizes(); }
    void plainCopy();
    void keystroke_data() { sizes(); }
    void keystroke();
    void keystrokeCustomFrame_data() { sizes(); }
    void keystrokeCustomFrame();

private:
    static void sizes();
    static void typeAndTakeBack(FormFixture &f, qsizetype bytes);
};

void KeystrokeCoreBench::sizes()
{
    QTest::addColumn<qsizetype>("bytes");
    for (qsizetype bytes : benchSizes)
        QTest::newRow(sizeTag(bytes)) << bytes;
}

void KeystrokeCoreBench::plainCopy()
{
    QFETCH(qsizetype, bytes);
    const QString text = descriptionOfBytes(bytes);
    QString copy;
    QBENCHMARK {
        copy = QString(text.constData(), text.size());
    }
    QCOMPARE(copy.size() * 2, bytes);
}

void KeystrokeCoreBench::typeAndTakeBack(FormFixture &f, qsizetype bytes)
{
    const QString text = descriptionOfBytes(bytes);
    const QString typed = text + u'あ';
    f.form.Text2.setText(text);
    // Typing a character and taking it back, in turn: each is one keystroke,
    // and both texts exist beforehand so the loop builds no input.
    bool add = true;
    QBENCHMARK {
        f.form.Text2.setText(add ? typed : text);
        add = !add;
    }
    QVERIFY(f.form.Text4.text().size() > text.size());
}

// The standard frame, as the program starts: one section's fragments rebuilt.
void KeystrokeCoreBench::keystroke()
{
    QFETCH(qsizetype, bytes);
    FormFixture f;
    typeAndTakeBack(f, bytes);
}

// The custom frame: every keystroke rebuilds all seven fragments.
void KeystrokeCoreBench::keystrokeCustomFrame()
{
    QFETCH(qsizetype, bytes);
    FormFixture f;
    f.form.Check11.click();
    QCOMPARE(f.s.layoutMode, 2);
    typeAndTakeBack(f, bytes);
}

QTEST_GUILESS_MAIN(KeystrokeCoreBench)
#include "bench_keystroke_core.moc"
