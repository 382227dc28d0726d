// The frame style switch and the six colour lists.
#include "formfixture.h"
#include "composer/colourtables.h"

#include <QSignalSpy>
#include <QTest>

class StylesTest : public QObject {
    Q_OBJECT
private slots:
    void everyIndexToItsCode_data();
    void everyIndexToItsCode();
    void switchSequences_data();
    void switchSequences();
    void innerSwitchRunsInsideOuter();
    void switchKeepsInputsAndColours();
    void titleCloserAfterSwitchAndAfterRebuild();
    void frameColourRebuildsHeadingsInItsOwnForm();
    void textColourRebuildsStandardBodies();
    void customColoursByLayout();
};

static ComboBox &list(MainForm &form, const QString &name) { return *form.findChild<ComboBox *>(name); }

void StylesTest::everyIndexToItsCode_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("member");
    QTest::newRow("Combo1") << "Combo1" << QStringList{"#3366cc", "#450526", "#808080", "#ED9BA0", "#000000", "#3DBA65"} << "frameColour";
    QTest::newRow("Combo5") << "Combo5" << QStringList{"#000000", "#808080", "#0000ff", "#450526"} << "textColour";
    QTest::newRow("Combo2") << "Combo2" << QStringList{"#3366cc ", "#ED9BA0 ", "#009999 ", "#000000 ", "#450526 ", "#808080 ", "#ED875B "} << "headCellColour";
    QTest::newRow("Combo3") << "Combo3" << QStringList{"#C0C0C0 ", "#ffffff ", "#89C9E5 ", "#EFF0B0 ", "#C6E2B1 ", "#000000 ", "#EBC2B4 "} << "bodyCellColour";
    QTest::newRow("Combo6") << "Combo6" << QStringList{"#ffffff ", "#000000 ", "#0000ff "} << "headTextColour";
    QTest::newRow("Combo7") << "Combo7" << QStringList{"#000000 ", "#808080 ", "#ffffff ", "#0000ff "} << "bodyTextColour";
}

static QString member(const EditorState &s, const QString &name)
{
    if (name == "frameColour") return s.frameColour;
    if (name == "textColour") return s.textColour.toString();
    if (name == "headCellColour") return s.headCellColour;
    if (name == "bodyCellColour") return s.bodyCellColour;
    if (name == "headTextColour") return s.headTextColour;
    return s.bodyTextColour;
}

void StylesTest::everyIndexToItsCode()
{
    QFETCH(QString, list);
    QFETCH(QStringList, codes);
    QFETCH(QString, member);
    FormFixture f;
    ComboBox &box = ::list(f.form, list);
    QCOMPARE(box.items().size(), codes.size());
    for (int i = codes.size() - 1; i >= 0; --i) {
        box.pick(i);
        QCOMPARE(::member(f.s, member), codes[i]);
    }
    box.pick(-1);  // no selection keeps the value
    QCOMPARE(::member(f.s, member), codes[0]);
}

void StylesTest::switchSequences_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("custom");
    QTest::newRow("start") << QStringList{} << false;
    QTest::newRow("untick Check1") << QStringList{"Check1"} << true;
    QTest::newRow("tick Check11") << QStringList{"Check11"} << true;
    QTest::newRow("back by Check1") << QStringList{"Check11", "Check1"} << false;
    QTest::newRow("back by Check11") << QStringList{"Check1", "Check11"} << false;
    QTest::newRow("file layout by Check1") << QStringList{"layout3", "Check1"} << false;
    QTest::newRow("file layout by Check11") << QStringList{"layout3", "Check11"} << false;
    QTest::newRow("file layout, then again") << QStringList{"layout3", "Check1", "Check1"} << true;
    QTest::newRow("five clicks") << QStringList{"Check1", "Check1", "Check11", "Check11", "Check1"} << true;
}

void StylesTest::switchSequences()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, custom);
    FormFixture f;
    MainForm &form = f.form;
    for (const QString &click : clicks) {
        if (click == "layout3") {  // as Open leaves a file-defined layout
            form.Check11.setValue(1);
            f.s.layoutMode = 3;
        } else {
            form.findChild<CheckBox *>(click)->click();
        }
    }
    const Rgb grey{224, 224, 224}, cyan{192, 255, 255}, pink{255, 192, 192};
    QCOMPARE(f.s.layoutMode, custom ? 2 : 1);
    QCOMPARE(form.Check1.value(), custom ? 0 : 1);
    QCOMPARE(form.Check11.value(), custom ? 1 : 0);
    QCOMPARE(form.Check1.background(), custom ? grey : cyan);
    QCOMPARE(form.Check11.background(), custom ? pink : grey);
    QCOMPARE(form.Combo1.isEnabled(), !custom);
    QCOMPARE(form.Combo5.isEnabled(), !custom);
    for (const char *name : {"Combo2", "Combo3", "Combo6", "Combo7"})
        QCOMPARE(list(form, name).isEnabled(), custom);
    if (!clicks.isEmpty()) {
        QCOMPARE(form.Image1.path(), custom ? "/opt/rumita/hime2.jpg" : "/opt/rumita/hime.jpg");
        QCOMPARE(form.Image2.path(), custom ? "/opt/rumita/kime.jpg" : "/opt/rumita/kime2.jpg");
        QCOMPARE(form.Text4.text(), f.s.syuturyoku);
    }
    QCOMPARE(f.s.syuturyoku.startsWith(custom ? "<center><body><table><tr><TD width=\"100\" bgcolor=#3366cc  height"
                                              : "<center><body><table border=1><tr><td width=550 bgcolor=#3366cc>"),
             true);
}

void StylesTest::innerSwitchRunsInsideOuter()
{
    FormFixture f;
    MainForm &form = f.form;
    QStringList trace;
    // Text4 is written by each refresh: the inner switch refreshes first with
    // the custom set, the outer one last.
    connect(&form.Text4, &Control::changed, this, [&] { trace << QString::number(f.s.layoutMode); });
    form.Check11.click();
    QCOMPARE(trace.first(), "2");
    QCOMPARE(f.s.layoutMode, 2);
    QVERIFY(f.s.titleBodyFragment.contains(" ></center><center>"));

    // From the custom frame, unticking Check11 runs the standard switch inside:
    // it does the whole switch, the outer one only sets the layout and refreshes.
    trace.clear();
    form.Check11.click();
    QCOMPARE(f.s.layoutMode, 1);
    QVERIFY(f.s.syuturyoku.contains("<font color=\"#ffffff\" size=2>■商品名■"));
    QVERIFY(f.s.syuturyoku.contains("■支払方法■"));
}

void StylesTest::switchKeepsInputsAndColours()
{
    FormFixture f;
    MainForm &form = f.form;
    form.Text1.setText("題");
    form.Text2.setText("一\r\n二");
    form.Text3.setText("他");
    form.Check7.setValue(1);
    form.Combo4.pick(2);
    form.Check12.setValue(1);
    form.Combo1.pick(3);
    form.Check11.click();
    form.Combo2.pick(6);
    form.Combo3.pick(3);
    QVERIFY(f.s.syuturyoku.contains("></center><center>題</font>"));
    QVERIFY(f.s.syuturyoku.contains(">一\r<br>二</font>"));
    QVERIFY(f.s.syuturyoku.contains("bgcolor=#ED875B "));
    QVERIFY(!f.s.syuturyoku.contains("ジャパンネットバンク"));  // payment still left out
    QVERIFY(f.s.paymentFragment.contains("ジャパンネットバンク"));
    QVERIFY(f.s.titleBodyFragment.contains("size=9"));

    form.Check1.click();
    QVERIFY(f.s.syuturyoku.contains("bgcolor=#ED9BA0>"));  // the frame colour came back
    QVERIFY(f.s.syuturyoku.contains("size=9>題</font>"));
    QVERIFY(f.s.syuturyoku.contains("<font color=#000000>他</font>"));
    form.Check1.click();
    QVERIFY(f.s.syuturyoku.contains("bgcolor=#ED875B  height"));  // and so did the custom one
    QVERIFY(f.s.syuturyoku.contains("bgcolor=#EFF0B0  height"));
}

void StylesTest::titleCloserAfterSwitchAndAfterRebuild()
{
    FormFixture f;
    f.form.Check11.click();
    QVERIFY(f.s.titleBodyFragment.endsWith("size=3 ></center><center></font></Tr></td>"));
    f.form.Combo7.pick(3);
    QVERIFY(f.s.titleBodyFragment.endsWith(" size=3></center><center></font></Tr></td>"));
}

void StylesTest::frameColourRebuildsHeadingsInItsOwnForm()
{
    FormFixture f;
    f.form.Combo1.pick(3);
    QCOMPARE(f.s.titleHeadFragment, "<table border=1><tr><td width=550 bgcolor=#ED9BA0><font "
                                    "color=#ffffff size=2>■商品名■</font></td></tr>");
    QVERIFY(f.s.paymentFragment.contains("bgcolor=#ED9BA0><font color=#ffffff size=2>■支払い方法■"));
    QVERIFY(f.s.otherHeadFragment.contains("■その他■"));
    QCOMPARE(f.s.titleBodyFragment, QString());

    // In the custom frame too, and nothing at all without a selection.
    f.form.Check11.click();
    f.form.Combo1.pick(1);
    QVERIFY(f.s.titleHeadFragment.startsWith("<table border=1><tr><td width=550 bgcolor=#450526>"));
    QVERIFY(f.s.titleBodyFragment.startsWith(" <TD width=\"450\""));
    const QString before = f.s.paymentFragment;
    f.s.frameColour = "#999999";
    f.form.Combo1.pick(-1);
    QCOMPARE(f.s.paymentFragment, before);
}

void StylesTest::textColourRebuildsStandardBodies()
{
    FormFixture f;
    f.form.Combo1.pick(3);
    f.form.Text2.setText("d");
    QSignalSpy focus(&f.form.Text1, &Control::focusRequested);
    f.form.Combo5.pick(2);
    QCOMPARE(focus.count(), 1);
    QCOMPARE(f.s.descriptionBodyFragment, "<tr><td width=550 ><font color=#0000ff>d</font></Tr></td><br>");
    QVERIFY(f.s.paymentFragment.contains("■支払方法■"));
    QVERIFY(f.s.paymentFragment.contains("<font color=#0000ff size=2>"));
    f.form.Combo5.pick(3);
    QVERIFY(f.s.paymentFragment.contains("<font color=#0000ff size=2>"));  // payment lines stay blue
    QVERIFY(f.s.titleBodyFragment.contains("color=#450526 size=3"));
}

void StylesTest::customColoursByLayout()
{
    FormFixture f;
    EditorState &s = f.s;
    const QString listing = s.syuturyoku;
    f.form.Combo2.select(6);  // as Open does under the standard frame
    QCOMPARE(s.headCellColour, "#ED875B ");
    QCOMPARE(s.titleHeadFragment, QString());
    QCOMPARE(s.syuturyoku, listing);

    f.form.Check11.setValue(1);
    s.layoutMode = 3;
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        s.layoutPiece(n) = QString("{%1}").arg(n);
    f.form.Combo2.pick(1);
    QCOMPARE(s.titleHeadFragment, "{1}#ED9BA0 {2}#ffffff {3}■商品名■{4}");
    QCOMPARE(s.paymentFragment, "{10}#ED9BA0 {11}#ffffff {12}#C0C0C0 {13}#000000 {14}" + s.paymentText + "{15}");
    QCOMPARE(s.descriptionHeadFragment, "{16}#ED9BA0 {17}#ffffff {18}■商品説明■{19}");
    QCOMPARE(s.otherHeadFragment, "{24}#ED9BA0 {25}#ffffff {26}■その他■{27}");
    QCOMPARE(s.layoutPiece01, "{1}");
}

QTEST_GUILESS_MAIN(StylesTest)
#include "test_styles.moc"
