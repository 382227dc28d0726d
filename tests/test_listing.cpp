// The listing a seller gets after what they do in the window, set against
// whole listings written out by hand (tests/data/golden/listings).
#include "tests/support/checks.h"
#include "tests/support/formfixture.h"

#include <QSignalSpy>

using F = MainForm;
using namespace steps;

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

// What the source box shows: the listing, given it whole or edited in place
// as a keystroke's edit (so that the window redoes only what changed), or nothing.
enum class SourceBox { ShowsListing, EditedInPlace, Empty };

class ListingTest : public QObject {
    Q_OBJECT
private slots:
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

// The rows name their listings in tests/data/golden/listings.
void ListingTest::afterSteps_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<FrameShown>("frame");
    QTest::addColumn<SourceBox>("source");  // New leaves the source box empty until the next change
    auto row = [](const char *name, const Steps &steps, const FrameShown &frame = atStart,
                  SourceBox source = SourceBox::ShowsListing) { QTest::newRow(name) << steps << frame << source; };
    row("start", {}, atStart, SourceBox::Empty);
    row("title", {type(&F::Text1, "テスト")});
    row("title emptied", {type(&F::Text1, "A"), type(&F::Text1, "")});
    row("description lines", {type(&F::Text2, "A\r\nB")});
    row("other notes as typed", {type(&F::Text3, "\n<b>&\n\n")});
    row("all nine methods", {tick(&F::Check2), tick(&F::Check3), tick(&F::Check4), tick(&F::Check5), tick(&F::Check5),
                             tick(&F::Check6), tick(&F::Check7), tick(&F::Check8), tick(&F::Check9), tick(&F::Check20)});
    row("no method", {tick(&F::Check5)});
    row("ticked and unticked", {tick(&F::Check7), tick(&F::Check7)});
    row("grey boxes count as unticked", {mark(&F::Check20, 2), mark(&F::Check12, 2), mark(&F::Check13, 2), type(&F::Text3, "x")});
    row("keystroke in notes left out", {type(&F::Text3, "ab"), tick(&F::Check13), key(&F::Text3, 1, 0, "x")});
    row("keystroke after payment left out",
        {tick(&F::Check12), type(&F::Text3, "o"), type(&F::Text2, "ab"), key(&F::Text2, 2, 0, "\nc")}, atStart,
        SourceBox::EditedInPlace);
    row("keystroke in notes", {type(&F::Text2, "d"), type(&F::Text3, "ab"), key(&F::Text3, 0, 1, "")}, atStart,
        SourceBox::EditedInPlace);
    row("payment left out", {tick(&F::Check7), tick(&F::Check12), type(&F::Text2, "d")});
    row("payment back as it was", {tick(&F::Check12), mark(&F::Check7, 1), tick(&F::Check12)});
    row("both left out",
        {type(&F::Text1, "T"), type(&F::Text2, "D"), type(&F::Text3, "O"), tick(&F::Check12), tick(&F::Check13)});
    row("other back", {type(&F::Text3, "O"), tick(&F::Check13), tick(&F::Check13)});
    row("title sizes", {type(&F::Text1, "T"), pick(&F::Combo4, 2)});
    row("normal title again", {pick(&F::Combo4, 2), pick(&F::Combo4, 0)});
    row("frame colour", {pick(&F::Combo1, 3)});
    row("text colour", {pick(&F::Combo1, 3), type(&F::Text2, "d"), pick(&F::Combo5, 2)});
    row("payment stays blue", {pick(&F::Combo5, 3)});
    row("custom frame", {tick(&F::Check11)}, customFrame);
    row("custom by unticking the standard box", {tick(&F::Check1)}, customFrame);
    row("standard again", {tick(&F::Check11), tick(&F::Check11)}, standardFrame);
    row("five clicks", {tick(&F::Check1), tick(&F::Check1), tick(&F::Check11), tick(&F::Check11), tick(&F::Check1)}, customFrame);
    row("New",
        {tick(&F::Check11), type(&F::Text1, "x"), tick(&F::Check7), tick(&F::Check12), tick(&F::Check13), pick(&F::Combo4, 2),
         pick(&F::Combo2, 3), New},
        standardFrame, SourceBox::Empty);
    row("custom title typed", {tick(&F::Check11), type(&F::Text1, "T")}, customFrame);
    row("custom title size", {tick(&F::Check11), pick(&F::Combo4, 1)}, customFrame);
    row("custom payment", {tick(&F::Check11), tick(&F::Check8)}, customFrame);
    row("custom texts", {tick(&F::Check11), type(&F::Text2, "説\r\n明"), type(&F::Text3, "他")}, customFrame);
    row("custom colours", {tick(&F::Check11), pick(&F::Combo2, 2), pick(&F::Combo3, 3), pick(&F::Combo6, 2), pick(&F::Combo7, 1)},
        customFrame);
    row("custom colour waits", {selectInCode(&F::Combo2, 6)});
    row("custom colour shows", {selectInCode(&F::Combo2, 6), tick(&F::Check11)}, customFrame);
    row("switch keeps inputs",
        {type(&F::Text1, "題"), type(&F::Text2, "一\r\n二"), pick(&F::Combo1, 3), tick(&F::Check11), pick(&F::Combo2, 6),
         tick(&F::Check1)},
        standardFrame);
    row("switch keeps colours", {tick(&F::Check11), pick(&F::Combo2, 6), tick(&F::Check1), tick(&F::Check1)}, customFrame);
}

void ListingTest::afterSteps()
{
    QFETCH(Steps, steps);
    QFETCH(FrameShown, frame);
    QFETCH(SourceBox, source);
    FormFixture f;
    f.act(steps);
    const QString listing = golden(QTest::currentDataTag());
    COMPARE_LISTING(f.s.syuturyoku, listing);
    QCOMPARE(f.form.Text4.text(), source == SourceBox::Empty ? QString() : listing);
    if (source != SourceBox::Empty)
        QCOMPARE(f.form.Text4.cursorPosition(), listing.size());
    if (source == SourceBox::EditedInPlace)
        QCOMPARE(f.form.Text4.lastEdit().whole, false);
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

// Every item of every list, the code it puts into the listing where its golden listing holds %1, and the
// focus back on the title.
void ListingTest::listItems_data()
{
    QTest::addColumn<Steps>("before");
    QTest::addColumn<List>("list");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("codes");
    const auto row = [](const char *name, const Steps &before, List list, const QStringList &items, const QStringList &codes) {
        QTest::newRow(name) << before << list << items << codes;
    };
    const Step custom = tick(&F::Check11);
    row("items of title size", {type(&F::Text1, "T")}, &F::Combo4, {"普通", "　大", "特大"}, {"3", "5", "9"});
    row("items of frame colour", {}, &F::Combo1, {"青　色", "茶　色", "灰　色　", "ピンク", "黒　色", "緑　色"},
        {"#3366cc", "#450526", "#808080", "#ED9BA0", "#000000", "#3DBA65"});
    row("items of text colour", {type(&F::Text2, "d")}, &F::Combo5, {"黒　色", "灰　色", "青　色", "茶　色"},
        {"#000000", "#808080", "#0000ff", "#450526"});
    row("items of heading cells", {custom}, &F::Combo2, {"青　色", "ピンク", "深　緑", "黒　色", "茶　色", "灰　色", "みかん"},
        {"#3366cc ", "#ED9BA0 ", "#009999 ", "#000000 ", "#450526 ", "#808080 ", "#ED875B "});
    row("items of text cells", {custom}, &F::Combo3, {"灰　色", "白　色", "青　色", "黄　色", "緑　色", "黒　色", "ピンク"},
        {"#C0C0C0 ", "#ffffff ", "#89C9E5 ", "#EFF0B0 ", "#C6E2B1 ", "#000000 ", "#EBC2B4 "});
    row("items of heading text", {custom}, &F::Combo6, {"白　色", "黒　色", "青　色"}, {"#ffffff ", "#000000 ", "#0000ff "});
    row("items of cell text", {custom}, &F::Combo7, {"黒　色", "灰　色", "白　色", "青　色"},
        {"#000000 ", "#808080 ", "#ffffff ", "#0000ff "});
}

void ListingTest::listItems()
{
    QFETCH(Steps, before);
    QFETCH(List, list);
    QFETCH(QStringList, items);
    QFETCH(QStringList, codes);
    FormFixture f;
    f.act(before);
    QCOMPARE((f.form.*list).items(), items);
    QSignalSpy focus(&f.form.Text1, &ControlModel::focusRequested);
    for (int i = int(codes.size()) - 1; i >= 0; --i) {  // from the last, so that each pick changes the listing
        f.act({pick(list, i)});
        COMPARE_LISTING(f.s.syuturyoku, golden(QTest::currentDataTag()).arg(codes[i]));
        QCOMPARE(focus.count(), codes.size() - i);  // each pick sends the seller back to the title
    }
}

QTEST_GUILESS_MAIN(ListingTest)
#include "test_listing.moc"
