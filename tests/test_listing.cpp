// The listing a seller gets after what they do in the window, written out by
// hand from the templates the auction pages expect.
#include "tests/support/checks.h"
#include "tests/support/formfixture.h"

using F = MainForm;

// What the frame boxes, the lists and the pictures show of the frame in use.
struct FrameShown {
    qint16 standardBox, customBox;
    QString standardColour, customColour;  // of the boxes, "red,green,blue"
    bool standardLists;                    // the standard frame's two lists usable, the custom four not
    QString picture1, picture2;
};
static const FrameShown atStart{1, 0, "192,255,255", "224,224,224", true, "", "/opt/rumita/kime2.jpg"};
static const FrameShown standardFrame{1, 0, "192,255,255", "224,224,224", true, "/opt/rumita/hime.jpg", "/opt/rumita/kime2.jpg"};
static const FrameShown customFrame{0, 1, "224,224,224", "255,192,192", false, "/opt/rumita/hime2.jpg", "/opt/rumita/kime.jpg"};

enum class SourceBox { ShowsListing, Empty };

class ListingTest : public QObject {
    Q_OBJECT
private slots:
    // The window as it starts: listing, boxes, lists and captions.
    void startUp();
    // Worked examples: what the seller does, the whole listing, the frame shown.
    void afterSteps_data();
    void afterSteps();
    // Every item of every size and colour list, through the whole listing.
    void listItems_data();
    void listItems();
};

static QString rgb(const ControlModel &c)
{
    const Rgb v = c.background().value_or(Rgb{-9, -9, -9});
    return QString("%1,%2,%3").arg(v.red).arg(v.green).arg(v.blue);
}

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
static const QString blank =
    opening + titleHead() + titleBody("") + payment(bank) + head("■商品説明■") + body("") + head("■その他■") + body("") + closing;

// The custom frame, its start colours unless given.
struct Custom {
    QString headCell = "#3366cc ", headText = "#ffffff ", bodyCell = "#C0C0C0 ", bodyText = "#000000 ", size = "3";
    QString title, lines = bank, description, other;

    QString head(const QString &label) const
    {
        return R"(<table><tr><TD width="100" bgcolor=)" + headCell + R"( height="50"><font color=)" + headText +
               " size=2></center><center>" + label + "</font></td>";
    }
    QString body(const QString &text) const
    {
        return R"( <TD width="450" bgcolor=)" + bodyCell + R"( height="100"><font color=)" + bodyText + ">" + text +
               "</font></Tr></td>";
    }
    QString listing() const
    {
        return opening + head("■商品名■") + R"( <TD width="450" bgcolor=)" + bodyCell + R"( height="50"><font color=)" +
               bodyText + " size=" + size + "></center><center>" + title + "</font></Tr></td>" + head("■支払方法■") +
               R"(<TD width="450" bgcolor=)" + bodyCell + R"( height="50"><font color=)" + bodyText + " size=2>" + lines +
               footnote + "</font></Tr></td>" + head("■商品説明■") + body(description) + head("■その他■") + body(other) + closing;
    }
};

void ListingTest::startUp()
{
    FormFixture f;
    COMPARE_LISTING(f.s.syuturyoku, opening + startPayment + closing);
    QCOMPARE(f.s.syuturyoku.size(), 301);
    QCOMPARE(f.form.Text4.text(), QString());
    for (const CheckBoxModel *box :
         {&f.form.Check20, &f.form.Check5, &f.form.Check2, &f.form.Check3, &f.form.Check7, &f.form.Check6, &f.form.Check9,
          &f.form.Check4, &f.form.Check8, &f.form.Check12, &f.form.Check13}) {
        QCOMPARE(box->value(), box == &f.form.Check5 ? 1 : 0);  // bank transfer alone
        QCOMPARE(rgb(*box), "224,224,224");
    }
    for (const TextBoxModel *box : {&f.form.Text1, &f.form.Text2, &f.form.Text3}) {
        QCOMPARE(box->pointSize(), 12);
        QCOMPARE(rgb(*box), "255,255,255");
    }
    QCOMPARE(rgb(f.form.Text4), "192,192,192");
    const std::pair<const TextBoxModel *, QString> captions[] = {
        {&f.form.Label5_0, "【タイトル】"}, {&f.form.Label5_2, "【支払方法】"}, {&f.form.Label5_3, "【説明本文】"}};
    for (const auto &[label, text] : captions) {
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pointSize(), 9);
    }
    QCOMPARE(f.form.Label5_4.text(), "【その他】");
    QCOMPARE(f.form.Label5_4.pointSize(), 11);
    for (const ComboBoxModel *list : f.form.findChildren<ComboBoxModel *>())
        QCOMPARE(list->index(), -1);
}

void ListingTest::afterSteps_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<FrameShown>("frame");
    QTest::addColumn<SourceBox>("source");  // New leaves the source box empty until the next change
    auto row = [](const char *name, const Steps &steps, const QString &listing, const FrameShown &frame = atStart,
                  SourceBox source = SourceBox::ShowsListing) { QTest::newRow(name) << steps << listing << frame << source; };
    const QString allNine =
        " ○ペイメント  ○銀行振込  ○郵便振替  ○イーバンク決算  ○ジャパンネットバンク決算 "
        " ○UFJ銀行決算  ○スルガ銀行決算  ○商品代引  ○現金書留 ";
    const QString pink = "#ED9BA0";
    const QString switched = Custom{.size = "3 "}.listing();  // the switch writes a space after the size
    row("start", {}, opening + startPayment + closing, atStart, SourceBox::Empty);
    row("title", {type(&F::Text1, "テスト")}, opening + titleHead() + titleBody("テスト") + startPayment + closing);
    row("title emptied", {type(&F::Text1, "A"), type(&F::Text1, "")},
        opening + titleHead() + titleBody("") + startPayment + closing);
    row("description lines", {type(&F::Text2, "A\r\nB")},
        opening + startPayment + head("■商品説明■") + body("A\r<br>B") + closing);
    row("other notes as typed", {type(&F::Text3, "\n<b>&\n\n")},
        opening + startPayment + head("■その他■") + body("<br><b>&<br><br>") + closing);
    row("all nine methods",
        {tick(&F::Check2), tick(&F::Check3), tick(&F::Check4), tick(&F::Check5), tick(&F::Check5), tick(&F::Check6),
         tick(&F::Check7), tick(&F::Check8), tick(&F::Check9), tick(&F::Check20)},
        opening + payment(allNine) + closing);
    row("no method", {tick(&F::Check5)}, opening + payment("") + closing);
    row("ticked and unticked", {tick(&F::Check7), tick(&F::Check7)}, opening + payment(bank) + closing);
    row("grey boxes count as unticked", {mark(&F::Check20, 2), mark(&F::Check12, 2), mark(&F::Check13, 2), type(&F::Text3, "x")},
        opening + payment(bank) + head("■その他■") + body("x") + closing);
    row("payment left out", {tick(&F::Check7), tick(&F::Check12), type(&F::Text2, "d")},
        opening + head("■商品説明■") + body("d") + closing);
    row("payment back as it was", {tick(&F::Check12), mark(&F::Check7, 1), tick(&F::Check12)},
        opening + payment(bank + " ○ジャパンネットバンク決算 ") + closing);
    row("both left out", {type(&F::Text1, "T"), type(&F::Text2, "D"), type(&F::Text3, "O"), tick(&F::Check12), tick(&F::Check13)},
        opening + titleHead() + titleBody("T") + head("■商品説明■") + body("D") + closing);
    row("other back", {type(&F::Text3, "O"), tick(&F::Check13), tick(&F::Check13)},
        opening + startPayment + head("■その他■") + body("O") + closing);
    row("title sizes", {type(&F::Text1, "T"), pick(&F::Combo4, 2)},
        opening + titleHead() + titleBody("T", "9") + startPayment + closing);
    row("normal title again", {pick(&F::Combo4, 2), pick(&F::Combo4, 0)}, opening + titleBody("") + startPayment + closing);
    row("frame colour", {pick(&F::Combo1, 3)},
        opening + head("■商品名■", pink) + payment(bank, "■支払い方法■", pink) + head("■商品説明■", pink) +
            head("■その他■", pink) + closing);
    row("text colour", {pick(&F::Combo1, 3), type(&F::Text2, "d"), pick(&F::Combo5, 2)},
        opening + head("■商品名■", pink) + titleBody("", "3", "#0000ff") + payment(bank, "■支払方法■", pink) +
            head("■商品説明■", pink) + body("d", "#0000ff") + head("■その他■", pink) + body("", "#0000ff") + closing);
    row("payment stays blue", {pick(&F::Combo5, 3)},
        opening + titleBody("", "3", "#450526") + payment(bank) + body("", "#450526") + body("", "#450526") + closing);
    row("custom frame", {tick(&F::Check11)}, switched, customFrame);
    row("custom by unticking the standard box", {tick(&F::Check1)}, switched, customFrame);
    row("standard again", {tick(&F::Check11), tick(&F::Check11)}, blank, standardFrame);
    row("five clicks", {tick(&F::Check1), tick(&F::Check1), tick(&F::Check11), tick(&F::Check11), tick(&F::Check1)}, switched,
        customFrame);
    row("New",
        {tick(&F::Check11), type(&F::Text1, "x"), tick(&F::Check7), tick(&F::Check12), tick(&F::Check13), pick(&F::Combo4, 2),
         pick(&F::Combo2, 3), New},
        blank, standardFrame, SourceBox::Empty);
    row("custom title typed", {tick(&F::Check11), type(&F::Text1, "T")}, Custom{.title = "T"}.listing(), customFrame);
    row("custom title size", {tick(&F::Check11), pick(&F::Combo4, 1)}, Custom{.size = "5"}.listing(), customFrame);
    row("custom payment", {tick(&F::Check11), tick(&F::Check8)}, Custom{.lines = bank + " ○現金書留 "}.listing(), customFrame);
    row("custom texts", {tick(&F::Check11), type(&F::Text2, "説\r\n明"), type(&F::Text3, "他")},
        Custom{.description = "説\r<br>明", .other = "他"}.listing(), customFrame);
    row("custom colours", {tick(&F::Check11), pick(&F::Combo2, 2), pick(&F::Combo3, 3), pick(&F::Combo6, 2), pick(&F::Combo7, 1)},
        Custom{"#009999 ", "#0000ff ", "#EFF0B0 ", "#808080 "}.listing(), customFrame);
    row("custom colour waits", {select(&F::Combo2, 6)}, opening + startPayment + closing);
    row("custom colour shows", {select(&F::Combo2, 6), tick(&F::Check11)}, Custom{.headCell = "#ED875B ", .size = "3 "}.listing(),
        customFrame);
    row("switch keeps inputs",
        {type(&F::Text1, "題"), type(&F::Text2, "一\r\n二"), pick(&F::Combo1, 3), tick(&F::Check11), pick(&F::Combo2, 6),
         tick(&F::Check1)},
        opening + titleHead(pink) + titleBody("題") + payment(bank, "■支払方法■", pink) + head("■商品説明■", pink) +
            body("一\r<br>二") + head("■その他■", pink) + body("") + closing,
        standardFrame);
    row("switch keeps colours", {tick(&F::Check11), pick(&F::Combo2, 6), tick(&F::Check1), tick(&F::Check1)},
        Custom{.headCell = "#ED875B ", .size = "3 "}.listing(), customFrame);
}

void ListingTest::afterSteps()
{
    QFETCH(Steps, steps);
    QFETCH(QString, listing);
    QFETCH(FrameShown, frame);
    QFETCH(SourceBox, source);
    FormFixture f;
    f.act(steps);
    COMPARE_LISTING(f.s.syuturyoku, listing);
    QCOMPARE(f.form.Text4.text(), source == SourceBox::ShowsListing ? listing : QString());
    if (source == SourceBox::ShowsListing)
        QCOMPARE(f.form.Text4.cursorPosition(), listing.size());
    QCOMPARE(f.form.Check1.value(), frame.standardBox);
    QCOMPARE(f.form.Check11.value(), frame.customBox);
    QCOMPARE(rgb(f.form.Check1), frame.standardColour);
    QCOMPARE(rgb(f.form.Check11), frame.customColour);
    for (const ComboBoxModel *list : {&f.form.Combo1, &f.form.Combo5})
        QCOMPARE(list->isEnabled(), frame.standardLists);
    for (const ComboBoxModel *list : {&f.form.Combo2, &f.form.Combo3, &f.form.Combo6, &f.form.Combo7})
        QCOMPARE(list->isEnabled(), !frame.standardLists);
    QCOMPARE(f.form.Image1.file(), frame.picture1);
    QCOMPARE(f.form.Image2.file(), frame.picture2);
}

// Every item of every list, and the code it puts into the listing.
void ListingTest::listItems_data()
{
    QTest::addColumn<Steps>("before");
    QTest::addColumn<ComboBoxModel MainForm::*>("list");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("listing");  // with %1 where the item's code goes
    const auto row = [](const char *name, const Steps &before, ComboBoxModel MainForm::*list, const QStringList &items,
                        const QStringList &codes,
                        const QString &listing) { QTest::newRow(name) << before << list << items << codes << listing; };
    const Step custom = tick(&F::Check11);
    row("title size", {type(&F::Text1, "T")}, &F::Combo4, {"普通", "　大", "特大"}, {"3", "5", "9"},
        opening + titleHead() + titleBody("T", "%1") + startPayment + closing);
    row("frame colour", {}, &F::Combo1, {"青　色", "茶　色", "灰　色　", "ピンク", "黒　色", "緑　色"},
        {"#3366cc", "#450526", "#808080", "#ED9BA0", "#000000", "#3DBA65"},
        opening + head("■商品名■", "%1") + payment(bank, "■支払い方法■", "%1") + head("■商品説明■", "%1") +
            head("■その他■", "%1") + closing);
    row("text colour", {type(&F::Text2, "d")}, &F::Combo5, {"黒　色", "灰　色", "青　色", "茶　色"},
        {"#000000", "#808080", "#0000ff", "#450526"},
        opening + titleBody("", "3", "%1") + payment(bank) + head("■商品説明■") + body("d", "%1") + body("", "%1") + closing);
    row("heading cells", {custom}, &F::Combo2, {"青　色", "ピンク", "深　緑", "黒　色", "茶　色", "灰　色", "みかん"},
        {"#3366cc ", "#ED9BA0 ", "#009999 ", "#000000 ", "#450526 ", "#808080 ", "#ED875B "}, Custom{.headCell = "%1"}.listing());
    row("text cells", {custom}, &F::Combo3, {"灰　色", "白　色", "青　色", "黄　色", "緑　色", "黒　色", "ピンク"},
        {"#C0C0C0 ", "#ffffff ", "#89C9E5 ", "#EFF0B0 ", "#C6E2B1 ", "#000000 ", "#EBC2B4 "}, Custom{.bodyCell = "%1"}.listing());
    row("heading text", {custom}, &F::Combo6, {"白　色", "黒　色", "青　色"}, {"#ffffff ", "#000000 ", "#0000ff "},
        Custom{.headText = "%1"}.listing());
    row("cell text", {custom}, &F::Combo7, {"黒　色", "灰　色", "白　色", "青　色"},
        {"#000000 ", "#808080 ", "#ffffff ", "#0000ff "}, Custom{.bodyText = "%1"}.listing());
}

void ListingTest::listItems()
{
    QFETCH(Steps, before);
    QFETCH(ComboBoxModel MainForm::*, list);
    QFETCH(QStringList, items);
    QFETCH(QStringList, codes);
    QFETCH(QString, listing);
    FormFixture f;
    f.act(before);
    QCOMPARE((f.form.*list).items(), items);
    for (int i = int(codes.size()) - 1; i >= 0; --i) {  // from the last, so that each pick changes the listing
        f.act({pick(list, i)});
        COMPARE_LISTING(f.s.syuturyoku, listing.arg(codes[i]));
    }
}

QTEST_GUILESS_MAIN(ListingTest)
#include "test_listing.moc"
