// One keystroke in the description box, in the core: the model's handler,
// the rebuild of the description fragments and refreshListing, with no widget.
// Set against a plain copy of as many bytes, the floor any rebuild pays.
#include "benchtext.h"
#include "tests/support/formfixture.h"

#include <QTest>

class KeystrokeCoreBench : public QObject {
    Q_OBJECT
private slots:
    void plainCopy_data() { addDescriptionRows(); }
    void plainCopy();
    void keystroke_data() { addDescriptionRows(); }
    void keystroke();
    void keystrokeCustomFrame_data() { addDescriptionRows(); }
    void keystrokeCustomFrame();

private:
    static void typeAndTakeBack(FormFixture &f, const QString &text);
};

void KeystrokeCoreBench::plainCopy()
{
    QFETCH(QString, description);
    const QString &text = description;
    QString copy;
    QBENCHMARK { copy = QString(text.constData(), text.size()); }
    QCOMPARE(copy.size(), text.size());
}

void KeystrokeCoreBench::typeAndTakeBack(FormFixture &f, const QString &text)
{
    const QString typed = text + u'あ';
    f.form.Text2.setText(text);
    // Typing a character and taking it back, in turn: each is one keystroke,
    // and both texts exist beforehand so the loop builds no input.
    bool add = true;
    QBENCHMARK
    {
        f.form.Text2.setText(add ? typed : text);
        add = !add;
    }
    QVERIFY(f.form.Text4.text().size() > text.size());
}

// The standard frame, as the program starts: one section's fragments rebuilt.
void KeystrokeCoreBench::keystroke()
{
    QFETCH(QString, description);
    FormFixture f;
    typeAndTakeBack(f, description);
}

// The custom frame: every keystroke rebuilds all seven fragments.
void KeystrokeCoreBench::keystrokeCustomFrame()
{
    QFETCH(QString, description);
    FormFixture f;
    f.form.Check11.click();
    QCOMPARE(f.s.layoutMode, 2);
    typeAndTakeBack(f, description);
}

QTEST_GUILESS_MAIN(KeystrokeCoreBench)
#include "bench_keystroke_core.moc"
