#include "formfixture.h"

#include <QTest>

class ListingTest : public QObject {
    Q_OBJECT
private slots:
    void startUpListing();
};

void ListingTest::startUpListing()
{
    FormFixture f;
    const QString expected =
        "<center><body><table border=1><tr><td width=550 bgcolor=#3366cc><font color=#ffffff "
        "size=2>■支払い方法■</font></td></tr><tr><td width=550 ><font color=#0000ff size=2> "
        "○銀行振り込み </font></center><center><font color=#000000 "
        "size=2>［上記のお支払方法がご利用頂けます。］</font></center></font></Tr></td><br></"
        "table></center></body>";
    QCOMPARE(f.s.syuturyoku, expected);
    QCOMPARE(f.s.syuturyoku.size(), 301);
}

QTEST_GUILESS_MAIN(ListingTest)
#include "test_listing.moc"
