// The editor state at start-up, the text handlers, the listing refresh and the
// control models' event rule.
#include "formfixture.h"

#include <QTest>

class ListingTest : public QObject {
    Q_OBJECT
private slots:
    void startUpListing();
    void programFolderGetsOneSeparator_data();
    void programFolderGetsOneSeparator();
    void typingTitleBuildsStandardTitle();
    void emptyTitleKeepsSection();
    void lineBreaksBecomeBreakTags_data();
    void lineBreaksBecomeBreakTags();
    void joinsFollowOmissionFlags_data();
    void joinsFollowOmissionFlags();
    void descriptionRebuildsByLayout();
    void fileLayoutWithEmptyPieces();
    void eventRule();
};

static const QString startUpPayment =
    "<table border=1><tr><td width=550 bgcolor=#3366cc><font color=#ffffff "
    "size=2>■支払い方法■</font></td></tr><tr><td width=550 ><font color=#0000ff size=2> "
    "○銀行振り込み </font></center><center><font color=#000000 "
    "size=2>［上記のお支払方法がご利用頂けます。］</font></center></font></Tr></td><br>";

void ListingTest::startUpListing()
{
    FormFixture f;
    QCOMPARE(f.s.syuturyoku, "<center><body>" + startUpPayment + "</table></center></body>");
    QCOMPARE(f.s.syuturyoku.size(), 301);
    QCOMPARE(f.form.Text4.text(), QString());
    QCOMPARE(f.s.editedFlag, 0);
    QCOMPARE(f.s.headCellColour, "#3366cc ");
    QCOMPARE(f.s.textColour.toString(), "#000000");
    QVERIFY(!f.form.Combo2.isEnabled() && !f.form.Combo7.isEnabled() && f.form.Combo1.isEnabled());
    QCOMPARE(f.form.Image2.path(), "/opt/rumita/kime2.jpg");
}

void ListingTest::programFolderGetsOneSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("appFolder");
    QTest::newRow("plain folder") << "/opt/rumita" << "/opt/rumita/";
    QTest::newRow("root") << "/" << "/";
}

void ListingTest::programFolderGetsOneSeparator()
{
    QFETCH(QString, folder);
    FormFixture f(folder);
    QTEST(f.s.appFolder, "appFolder");
}

void ListingTest::typingTitleBuildsStandardTitle()
{
    FormFixture f;
    f.form.Text1.setText("テスト");
    const QString head = "<table border=1><tr><td width=550 bgcolor=#3366cc><font "
                         "color=\"#ffffff\" size=2>■商品名■</font></td></tr>";
    const QString body = "<tr><td width=550 bgColor=\"#ffffff\"><font color=#000000 "
                         "size=3>テスト</font></Tr></td>";
    QCOMPARE(f.s.titleHeadFragment, head);
    QCOMPARE(f.s.titleBodyFragment, body);
    const QString listing = "<center><body>" + head + body + startUpPayment + "</table></center></body>";
    QCOMPARE(f.s.syuturyoku, listing);
    QCOMPARE(f.form.Text4.text(), listing);
    QCOMPARE(f.form.Text4.cursorPosition(), listing.size());
    QCOMPARE(f.s.editedFlag, 1);
}

void ListingTest::emptyTitleKeepsSection()
{
    FormFixture f;
    f.form.Text1.setText("A");
    f.form.Text1.setText("");
    QCOMPARE(f.s.titleBodyFragment,
             "<tr><td width=550 bgColor=\"#ffffff\"><font color=#000000 size=3></font></Tr></td>");
    QVERIFY(f.s.syuturyoku.contains("■商品名■"));
}

void ListingTest::lineBreaksBecomeBreakTags_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("converted");
    QTest::newRow("CR LF") << "A\r\nB" << "A\r<br>B";
    QTest::newRow("lone LF") << "A\nB" << "A<br>B";
    QTest::newRow("leading and doubled") << "\n\r\n\nX" << "<br>\r<br><br>X";
    QTest::newRow("markup passes unchanged") << "<b>&amp;</b>" << "<b>&amp;</b>";
}

void ListingTest::lineBreaksBecomeBreakTags()
{
    QFETCH(QString, typed);
    QFETCH(QString, converted);
    FormFixture f;
    f.form.Text2.setText(typed);
    f.form.Text3.setText(typed);
    QCOMPARE(f.s.descriptionText, converted);
    QCOMPARE(f.s.otherText, converted);
    QVERIFY(f.s.syuturyoku.contains("<tr><td width=550 ><font color=#000000>" + converted +
                                    "</font></Tr></td><br>"));
}

void ListingTest::joinsFollowOmissionFlags_data()
{
    QTest::addColumn<qint16>("omitOther");
    QTest::addColumn<qint16>("omitPayment");
    QTest::addColumn<QString>("parts");
    QTest::newRow("all") << qint16(0) << qint16(0) << "[ th tb p dh db oh ob ]";
    QTest::newRow("no other") << qint16(1) << qint16(0) << "[ th tb p dh db ]";
    QTest::newRow("no payment") << qint16(0) << qint16(1) << "[ th tb dh db oh ob ]";
    QTest::newRow("neither") << qint16(1) << qint16(1) << "[ th tb dh db ]";
}

void ListingTest::joinsFollowOmissionFlags()
{
    QFETCH(qint16, omitOther);
    QFETCH(qint16, omitPayment);
    FormFixture f;
    EditorState &s = f.s;
    s.listingOpen = "[";
    s.titleHeadFragment = " th";
    s.titleBodyFragment = " tb";
    s.paymentFragment = " p";
    s.descriptionHeadFragment = " dh";
    s.descriptionBodyFragment = " db";
    s.otherHeadFragment = " oh";
    s.otherBodyFragment = " ob";
    s.listingClose = " ]";
    s.omitOther = omitOther;
    s.omitPayment = omitPayment;
    f.form.refreshListing();
    QTEST(s.syuturyoku, "parts");
    QCOMPARE(s.paymentFragment, " p");  // an omitted section keeps its fragments
}

void ListingTest::descriptionRebuildsByLayout()
{
    FormFixture f;
    f.form.Text2.setText("説明");
    QCOMPARE(f.s.titleHeadFragment, QString());  // the standard frame rebuilds its own section
    QCOMPARE(f.s.descriptionBodyFragment,
             "<tr><td width=550 ><font color=#000000>説明</font></Tr></td><br>");

    f.s.layoutMode = 2;
    f.form.Text2.setText("説明2");
    QCOMPARE(f.s.titleHeadFragment,
             "<table><tr><TD width=\"100\" bgcolor=#3366cc  height=\"50\"><font color=#ffffff  "
             "size=2></center><center>■商品名■</font></td>");
    QCOMPARE(f.s.titleBodyFragment,
             " <TD width=\"450\" bgcolor=#C0C0C0  height=\"50\"><font color=#000000  "
             "size=3></center><center></font></Tr></td>");
    QCOMPARE(f.s.descriptionBodyFragment,
             " <TD width=\"450\" bgcolor=#C0C0C0  height=\"100\"><font color=#000000 >説明2</font></Tr></td>");
    QVERIFY(f.s.paymentFragment.startsWith("<table><tr><TD width=\"100\" bgcolor=#3366cc  "
                                          "height=\"50\"><font color=#ffffff  size=2></center><center>■支払方法■"));
    QVERIFY(f.s.otherHeadFragment.contains("■その他■"));
}

void ListingTest::fileLayoutWithEmptyPieces()
{
    FormFixture f;
    f.s.layoutMode = 3;
    f.form.Text1.setText("T");
    QCOMPARE(f.s.titleHeadFragment, "#3366cc #ffffff ■商品名■");
    QCOMPARE(f.s.titleBodyFragment, "#C0C0C0 #000000 3T");
    QCOMPARE(f.s.paymentFragment, "#3366cc #ffffff #C0C0C0 #000000 " + f.s.paymentText);

    // Filled with the custom frame's own pieces, the file layout is the custom frame.
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        f.s.layoutPiece(n) = fragments::customPieces()[n - 1];
    f.form.Text1.setText("U");
    const QString fromFile = f.s.syuturyoku;
    f.s.layoutMode = 2;
    f.form.Text1.setText("V");
    f.form.Text1.setText("U");
    QCOMPARE(f.s.syuturyoku, fromFile);
}

void ListingTest::eventRule()
{
    QStringList runs;
    CheckBox outer("outer"), inner("inner");
    inner.setHandler([&] { runs << "inner"; outer.setValue(1); });
    outer.setHandler([&] {
        runs << "outer begins";
        inner.setValue(outer.value());
        runs << "outer ends";
    });
    outer.setValue(1);
    // The nested run finishes before the setter returns; setting the value a
    // box already has runs nothing, which ends the chain.
    QCOMPARE(runs, QStringList({"outer begins", "inner", "outer ends"}));
    runs.clear();
    outer.setValue(1);
    QVERIFY(runs.isEmpty());

    int picks = 0;
    ComboBox list("list", {"a", "b"});
    list.setHandler([&] { ++picks; });
    list.select(1);
    list.select(1);
    QCOMPARE(picks, 1);  // code selects run the handler on a change only
    list.pick(1);
    list.pick(1);
    QCOMPARE(picks, 3);  // every user pick runs it
}

QTEST_GUILESS_MAIN(ListingTest)
#include "test_listing.moc"
