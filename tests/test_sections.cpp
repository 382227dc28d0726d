// The payment boxes, the two omission boxes and the title size.
#include "formfixture.h"

#include <QSignalSpy>
#include <QTest>

class SectionsTest : public QObject {
    Q_OBJECT
private slots:
    void eachBoxWritesItsLine_data();
    void eachBoxWritesItsLine();
    void allNineInListingOrder();
    void noneTicked();
    void bankTransferKeepsStartWordingUntilClicked();
    void paymentClickRebuildsByLayout();
    void omissionLeavesSectionsOutAndKeepsThem();
    void titleSizes_data();
    void titleSizes();
    void titleSizeRebuildsByLayout();
};

static const QString footnote = "</font></center><center><font color=#000000 "
                                "size=2>［上記のお支払方法がご利用頂けます。］</font></center>";
static const QStringList paymentBoxes{"Check20", "Check5", "Check2", "Check3", "Check7",
                                      "Check6",  "Check9", "Check4", "Check8"};

static CheckBox &check(MainForm &form, const QString &name)
{
    return *form.findChild<CheckBox *>(name);
}

void SectionsTest::eachBoxWritesItsLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("Check20") << "Check20" << " ○ペイメント ";
    QTest::newRow("Check5") << "Check5" << " ○銀行振込 ";
    QTest::newRow("Check2") << "Check2" << " ○郵便振替 ";
    QTest::newRow("Check3") << "Check3" << " ○イーバンク決算 ";
    QTest::newRow("Check7") << "Check7" << " ○ジャパンネットバンク決算 ";
    QTest::newRow("Check6") << "Check6" << " ○UFJ銀行決算 ";
    QTest::newRow("Check9") << "Check9" << " ○スルガ銀行決算 ";
    QTest::newRow("Check4") << "Check4" << " ○商品代引 ";
    QTest::newRow("Check8") << "Check8" << " ○現金書留 ";
}

void SectionsTest::eachBoxWritesItsLine()
{
    QFETCH(QString, name);
    QFETCH(QString, line);
    FormFixture f;
    f.form.Check5.setValue(0);
    CheckBox &b = check(f.form, name);
    const QString before = f.s.paymentText;
    b.setValue(1);
    QCOMPARE(f.s.paymentText, line + footnote);
    QCOMPARE(f.s.paymentFragment,
             "<table border=1><tr><td width=550 bgcolor=#3366cc><font color=#ffffff "
             "size=2>■支払方法■</font></td></tr><tr><td width=550 ><font color=#0000ff size=2>" +
                 line + footnote + "</font></Tr></td><br>");
    QCOMPARE(f.form.Text4.text(), f.s.syuturyoku);
    b.setValue(2);  // the grey state counts as unticked
    QCOMPARE(f.s.paymentText, before);
    b.setValue(1);
    b.setValue(0);
    QCOMPARE(f.s.paymentText, before);
}

void SectionsTest::allNineInListingOrder()
{
    FormFixture f;
    for (const QString &name : paymentBoxes)
        check(f.form, name).setValue(0);
    // Ticked in window order, written in listing order.
    for (const char *name : {"Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8",
                             "Check9", "Check20"})
        check(f.form, name).setValue(1);
    QCOMPARE(f.s.paymentText,
             " ○ペイメント  ○銀行振込  ○郵便振替  ○イーバンク決算  ○ジャパンネットバンク決算  "
             "○UFJ銀行決算  ○スルガ銀行決算  ○商品代引  ○現金書留 " +
                 footnote);
}

void SectionsTest::noneTicked()
{
    FormFixture f;
    f.form.Check5.click();
    QCOMPARE(f.s.paymentText, footnote);
    QVERIFY(f.s.syuturyoku.contains("■支払方法■</font></td></tr><tr><td width=550 ><font "
                                    "color=#0000ff size=2>" + footnote));
}

void SectionsTest::bankTransferKeepsStartWordingUntilClicked()
{
    FormFixture f;
    f.form.Check20.setValue(1);
    QCOMPARE(f.s.paymentText, " ○ペイメント  ○銀行振り込み " + footnote);
    f.form.Check5.click();
    f.form.Check5.click();
    QCOMPARE(f.s.paymentLineBankTransfer, " ○銀行振込 ");
}

void SectionsTest::paymentClickRebuildsByLayout()
{
    FormFixture f;
    EditorState &s = f.s;
    s.titleText = "t";  // a copy no handler has turned into fragments yet
    f.form.Check20.setValue(1);
    QCOMPARE(s.titleBodyFragment, QString());  // layout 1 rebuilds the payment section only

    s.layoutMode = 2;
    f.form.Check2.setValue(1);
    QCOMPARE(s.titleBodyFragment, fragments::layoutTitleBody(s, fragments::customPieces()));
    QVERIFY(s.paymentFragment.contains("■支払方法■</font></td><TD width=\"450\" bgcolor=#C0C0C0  "
                                       "height=\"50\"><font color=#000000  size=2> ○ペイメント "));

    s.layoutMode = 3;
    s.layoutPiece05 = "<5>";
    f.form.Check2.setValue(0);
    QCOMPARE(s.titleBodyFragment, "<5>#C0C0C0 #000000 3t");
    QVERIFY(s.otherHeadFragment.endsWith("■その他■"));

    // While the payment section is left out a change still updates it.
    f.form.Check12.setValue(1);
    f.form.Check2.setValue(1);
    QVERIFY(s.paymentFragment.contains("○郵便振替"));
    QVERIFY(!s.syuturyoku.contains("○郵便振替"));
}

void SectionsTest::omissionLeavesSectionsOutAndKeepsThem()
{
    FormFixture f;
    MainForm &form = f.form;
    form.Text3.setText("その他の文");
    form.Check8.setValue(1);
    const QString full = f.s.syuturyoku;

    form.Check12.click();
    QCOMPARE(f.s.omitPayment, 1);
    QVERIFY(!f.s.syuturyoku.contains("■支払方法■"));
    for (const QString &name : paymentBoxes)
        QVERIFY(!check(form, name).isEnabled());
    QCOMPARE(form.Check8.value(), 1);

    form.Check13.click();
    QCOMPARE(f.s.syuturyoku, f.s.listingOpen + f.s.titleHeadFragment + f.s.titleBodyFragment +
                                 f.s.descriptionHeadFragment + f.s.descriptionBodyFragment +
                                 f.s.listingClose);
    QVERIFY(!form.Text3.isEnabled());
    QCOMPARE(form.Text3.background(), buttonFace);
    QCOMPARE(form.Text3.text(), "その他の文");

    form.Check12.click();
    form.Check13.setValue(2);  // grey counts as unticked
    QCOMPARE(f.s.syuturyoku, full);
    QVERIFY(form.Text3.isEnabled() && form.Check20.isEnabled());
    QCOMPARE(form.Text3.background(), white);
    QCOMPARE(f.s.omitOther, 0);
}

void SectionsTest::titleSizes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("size");
    QTest::newRow("普通") << 0 << "3";
    QTest::newRow("　大") << 1 << "5";
    QTest::newRow("特大") << 2 << "9";
    QTest::newRow("no selection") << -1 << "5";
}

void SectionsTest::titleSizes()
{
    QFETCH(int, index);
    FormFixture f;
    f.form.Combo4.pick(1);
    QSignalSpy focus(&f.form.Text1, &Control::focusRequested);
    f.form.Combo4.pick(index);
    QTEST(f.s.titleSize, "size");
    QCOMPARE(focus.count(), 1);
    QVERIFY(f.s.titleBodyFragment.contains(" size=" + f.s.titleSize + ">"));
}

void SectionsTest::titleSizeRebuildsByLayout()
{
    FormFixture f;
    EditorState &s = f.s;
    s.titleText = "t";
    f.form.Combo4.pick(2);
    QCOMPARE(s.titleHeadFragment, QString());
    QCOMPARE(s.titleBodyFragment, "<tr><td width=550 bgColor=\"#ffffff\"><font color=#000000 size=9>t</font></Tr></td>");

    s.layoutMode = 2;
    f.form.Combo4.pick(0);
    QCOMPARE(s.titleHeadFragment, QString());
    QCOMPARE(s.titleBodyFragment, " <TD width=\"450\" bgcolor=#C0C0C0  height=\"50\"><font "
                                  "color=#000000  size=3></center><center>t</font></Tr></td>");

    s.layoutMode = 3;
    f.form.Combo4.pick(1);
    QCOMPARE(s.titleHeadFragment, "#3366cc #ffffff ■商品名■");
    QCOMPARE(s.titleBodyFragment, "#C0C0C0 #000000 5t");
}

QTEST_GUILESS_MAIN(SectionsTest)
#include "test_sections.moc"
