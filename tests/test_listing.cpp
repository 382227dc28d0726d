// The listing a seller gets after a sequence of actions, written out by hand
// from the templates the auction pages expect.
#include "tests/support/formfixture.h"

class ListingTest : public QObject {
    Q_OBJECT
private slots:
    void startUp();
    void afterActions_data();
    void afterActions();
    void listItems_data();
    void listItems();
};

static const QString opening = "<center><body>", closing = "</table></center></body>";
static const QString footnote =
    "</font></center><center><font color=#000000 size=2>"
    "［上記のお支払方法がご利用頂けます。］</font></center>";
static const QString bank = " ○銀行振り込み ";

// The standard frame.
static QString head(const QString &label, const QString &frame = "#3366cc", const QString &white = "#ffffff")
{
    return "<table border=1><tr><td width=550 bgcolor=" + frame + "><font color=" + white + " size=2>" + label +
           "</font></td></tr>";
}
static QString titleHead(const QString &frame = "#3366cc") { return head("■商品名■", frame, "\"#ffffff\""); }
static QString titleBody(const QString &text, const QString &size = "3", const QString &colour = "#000000")
{
    return "<tr><td width=550 bgColor=\"#ffffff\"><font color=" + colour + " size=" + size + ">" + text + "</font></Tr></td>";
}
static QString body(const QString &text, const QString &colour = "#000000")
{
    return "<tr><td width=550 ><font color=" + colour + ">" + text + "</font></Tr></td><br>";
}
static QString payment(const QString &lines, const QString &heading = "■支払方法■", const QString &frame = "#3366cc")
{
    return head(heading, frame) + "<tr><td width=550 ><font color=#0000ff size=2>" + lines + footnote + "</font></Tr></td><br>";
}
static const QString startPayment = payment(bank, "■支払い方法■");

// The custom frame with its start colours.
static QString customHead(const QString &label)
{
    return R"(<table><tr><TD width="100" bgcolor=#3366cc  height="50"><font color=#ffffff  size=2></center><center>)" + label +
           "</font></td>";
}
static QString customTitle(const QString &text, const QString &size)
{
    return R"( <TD width="450" bgcolor=#C0C0C0  height="50"><font color=#000000  size=)" + size + "></center><center>" + text +
           "</font></Tr></td>";
}
static QString customBody(const QString &text)
{
    return R"( <TD width="450" bgcolor=#C0C0C0  height="100"><font color=#000000 >)" + text + "</font></Tr></td>";
}
static QString customPayment(const QString &lines)
{
    return customHead("■支払方法■") + R"(<TD width="450" bgcolor=#C0C0C0  height="50"><font color=#000000  size=2>)" + lines +
           footnote + "</font></Tr></td>";
}
static const QString customStart = opening + customHead("■商品名■") + customTitle("", "3 ") + customPayment(bank) +
                                   customHead("■商品説明■") + customBody("") + customHead("■その他■") + customBody("") + closing;

// Exactly one frame box is ticked; its colour lists can be used, and the
// pictures show it.
static QString frameWindow(const MainForm &f)
{
    auto rgb = [](const ControlModel &c) {
        const Rgb v = c.background().value_or(Rgb{});
        return QString("%1,%2,%3").arg(v.red).arg(v.green).arg(v.blue);
    };
    QString lists;
    for (const ComboBoxModel *list : {&f.Combo1, &f.Combo5, &f.Combo2, &f.Combo3, &f.Combo6, &f.Combo7})
        lists += QString::number(list->isEnabled());
    return QString("@%1%2 %3 %4 %5 %6 %7")
        .arg(f.Check1.value())
        .arg(f.Check11.value())
        .arg(rgb(f.Check1), rgb(f.Check11), lists, f.Image1.file(), f.Image2.file());
}
static const QString standardWindow = "@10 192,255,255 224,224,224 110000 /opt/rumita/hime.jpg /opt/rumita/kime2.jpg";
static const QString customWindow = "@01 224,224,224 255,192,192 001111 /opt/rumita/hime2.jpg /opt/rumita/kime.jpg";

void ListingTest::startUp()
{
    FormFixture f;
    QCOMPARE(f.s.syuturyoku, opening + startPayment + closing);
    QCOMPARE(f.s.syuturyoku.size(), 301);
    QCOMPARE(f.form.Text4.text(), QString());
    // Grey panel boxes, white input boxes in 12 points, the grey source box, the captions' sizes.
    const QRegularExpression atStart(
        "^(Check([2-9]|20|12|13)=.* 0 224,224,224|Text[123]= 1 12 255,255,255|Text4= 1 0 "
        "192,192,192|"
        "Label5\\([023]\\)=.* 9 .*|Label5\\(4\\)=.* 11 .*|Check11?=.*|Combo.=-1 .*)$");
    for (const QString &control : f.controls())
        QVERIFY2(atStart.match(control).hasMatch(), qPrintable(control));
}

// Each expectation is a piece the listing holds, "!piece" one it lacks,
// "=listing" the whole of it, or "@..." the frame's window state.
void ListingTest::afterActions_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char *name, const QStringList &actions, const QStringList &expected) {
        QTest::newRow(name) << actions << expected;
    };
    const QString allNine =
        " ○ペイメント  ○銀行振込  ○郵便振替  ○イーバンク決算  ○ジャパンネットバンク決算 "
        " ○UFJ銀行決算  ○スルガ銀行決算  ○商品代引  ○現金書留 ";
    row("title", {"Text1=テスト"}, {"=" + opening + titleHead() + titleBody("テスト") + startPayment + closing});
    row("title emptied", {"Text1=A", "Text1="}, {titleHead() + titleBody("")});
    row("description lines", {"Text2=A\r\nB"}, {"=" + opening + startPayment + head("■商品説明■") + body("A\r<br>B") + closing});
    row("other notes as typed", {"Text3=\n<b>&\n\n"},
        {"=" + opening + startPayment + head("■その他■") + body("<br><b>&<br><br>") + closing});
    row("all nine methods", {"Check2", "Check3", "Check4", "Check5", "Check5", "Check6", "Check7", "Check8", "Check9", "Check20"},
        {payment(allNine)});
    row("no method", {"Check5"}, {payment("")});
    row("ticked and unticked", {"Check7", "Check7"}, {payment(bank)});
    row("grey boxes count as unticked", {"Check20:2", "Check12:2", "Check13:2", "Text3=x"},
        {payment(bank), head("■その他■") + body("x")});
    row("payment left out", {"Check7", "Check12", "Text2=d"}, {"!■支払", head("■商品説明■")});
    row("payment back as it was", {"Check12", "Check7:1", "Check12"}, {payment(bank + " ○ジャパンネットバンク決算 ")});
    row("both left out", {"Text1=T", "Text2=D", "Text3=O", "Check12", "Check13"},
        {"=" + opening + titleHead() + titleBody("T") + head("■商品説明■") + body("D") + closing});
    row("other back", {"Text3=O", "Check13", "Check13"}, {head("■その他■") + body("O")});
    row("normal title again", {"Combo4:2", "Combo4:0"}, {titleBody("", "3")});
    row("frame colour", {"Combo1:3"},
        {"=" + opening + head("■商品名■", "#ED9BA0") + payment(bank, "■支払い方法■", "#ED9BA0") + head("■商品説明■", "#ED9BA0") +
         head("■その他■", "#ED9BA0") + closing});
    row("text colour", {"Combo1:3", "Text2=d", "Combo5:2"},
        {titleBody("", "3", "#0000ff"), payment(bank, "■支払方法■", "#ED9BA0"), body("d", "#0000ff")});
    row("payment stays blue", {"Combo5:3"}, {titleBody("", "3", "#450526"), payment(bank)});
    const QString blank = opening + titleHead() + titleBody("") + payment(bank) + head("■商品説明■") + body("") +
                          head("■その他■") + body("") + closing;
    row("start", {}, {"@10 192,255,255 224,224,224 110000  /opt/rumita/kime2.jpg"});
    row("custom frame", {"Check11"}, {"=" + customStart, customWindow});
    row("custom by unticking Check1", {"Check1"}, {"=" + customStart, customWindow});
    row("standard again", {"Check11", "Check11"}, {"=" + blank, standardWindow});
    row("five clicks", {"Check1", "Check1", "Check11", "Check11", "Check1"}, {customWindow});
    row("New", {"Check11", "Text1=x", "Check7", "Check12", "Check13", "Combo4:2", "Combo2:3", "New"},
        {"=" + blank, standardWindow});
    row("custom title typed", {"Check11", "Text1=T"}, {customTitle("T", "3")});
    row("custom title size", {"Check11", "Combo4:1"}, {customTitle("", "5")});
    row("custom payment", {"Check11", "Check8"}, {customPayment(bank + " ○現金書留 ")});
    row("custom colour", {"Check11", "Combo3:3"},
        {R"( <TD width="450" bgcolor=#EFF0B0  height="50"><font color=#000000  size=3></center><center></font>)"});
    row("custom colour waits", {"Combo2=6"}, {"=" + opening + startPayment + closing});
    row("custom colour shows", {"Combo2=6", "Check11"}, {"bgcolor=#ED875B  height=\"50\"><font color=#ffffff  size=2>"});
    row("switch keeps inputs", {"Text1=題", "Text2=一\r\n二", "Combo1:3", "Check11", "Combo2:6", "Check1"},
        {"=" + opening + titleHead("#ED9BA0") + titleBody("題") + payment(bank, "■支払方法■", "#ED9BA0") +
         head("■商品説明■", "#ED9BA0") + body("一\r<br>二") + head("■その他■", "#ED9BA0") + body("") + closing});
    row("switch keeps colours", {"Check11", "Combo2:6", "Check1", "Check1"}, {"bgcolor=#ED875B  height"});
}

void ListingTest::afterActions()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, expected);
    FormFixture f;
    f.act(actions);
    const QString &listing = f.s.syuturyoku;
    for (const QString &piece : expected) {
        if (piece.startsWith('='))
            QCOMPARE(listing, piece.mid(1));
        else if (piece.startsWith('@'))
            QCOMPARE(frameWindow(f.form), piece);
        else
            QVERIFY2(listing.contains(piece.mid(piece.startsWith('!'))) != piece.startsWith('!'),
                     qPrintable(piece + "\nin\n" + listing));
    }
    // New leaves the source box empty until the next change.
    const bool shown = actions.value(actions.size() - 1) != "New" && !actions.isEmpty();
    QCOMPARE(f.form.Text4.text(), shown ? listing : QString());
    QVERIFY(!shown || f.form.Text4.cursorPosition() == listing.size());
}

// Every item of every list, and the code it puts into the listing.
void ListingTest::listItems_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("where");
    auto row = [](const char *list, const QStringList &before, const char *items, const char *codes, const char *where) {
        QTest::newRow(list) << before << list << items << codes << where;
    };
    row("Combo4", {"Text1=T"}, "普通,　大,特大", "3,5,9", "size=%1>T<");
    row("Combo1", {}, "青　色,茶　色,灰　色　,ピンク,黒　色,緑　色", "#3366cc,#450526,#808080,#ED9BA0,#000000,#3DBA65",
        "bgcolor=%1>");
    row("Combo5", {"Text2=d"}, "黒　色,灰　色,青　色,茶　色", "#000000,#808080,#0000ff,#450526", "color=%1>d<");
    row("Combo2", {"Check11"}, "青　色,ピンク,深　緑,黒　色,茶　色,灰　色,みかん",
        "#3366cc ,#ED9BA0 ,#009999 ,#000000 ,#450526 ,#808080 ,#ED875B ",
        "bgcolor=%1 height=\"50\"><font color=#ffffff  size=2></center><center>■商品名");
    row("Combo3", {"Check11"}, "灰　色,白　色,青　色,黄　色,緑　色,黒　色,ピンク",
        "#C0C0C0 ,#ffffff ,#89C9E5 ,#EFF0B0 ,#C6E2B1 ,#000000 ,#EBC2B4 ", "bgcolor=%1 height=\"100\"><font color=#000000 >");
    row("Combo6", {"Check11"}, "白　色,黒　色,青　色", "#ffffff ,#000000 ,#0000ff ", "color=%1 size=2></center><center>■商品名");
    row("Combo7", {"Check11"}, "黒　色,灰　色,白　色,青　色", "#000000 ,#808080 ,#ffffff ,#0000ff ", "color=%1></font>");
}

void ListingTest::listItems()
{
    QFETCH(QStringList, before);
    QFETCH(QString, list);
    QFETCH(QString, items);
    QFETCH(QString, codes);
    QFETCH(QString, where);
    FormFixture f;
    f.act(before);
    QCOMPARE(f.form.findChild<ComboBoxModel *>(list)->items(), items.split(','));
    for (int i = codes.count(','); i >= 0; --i) {
        f.act({QString("%1:%2").arg(list).arg(i)});
        QVERIFY2(f.s.syuturyoku.contains(where.arg(codes.section(',', i, i))), qPrintable(QString::number(i)));
    }
}

QTEST_GUILESS_MAIN(ListingTest)
#include "test_listing.moc"
