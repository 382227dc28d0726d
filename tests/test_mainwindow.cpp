// The real main window under a virtual display: how it looks, set against
// pictures of it (tests/data/golden, rewritten by scripts/golden.sh when the
// look is meant to change), and what a seller's keys and clicks do in it.
#include "app/appearance.h"
#include "app/mainwindow.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete window; }
    void looksAsDesigned_data();
    void looksAsDesigned();
    void sellerAtTheWindow();
    void menusAndTabOrder();

private:
    template <typename T = QWidget>
    T *widget(const char *name) const { return window->findChild<T *>(name); }
    void click(const char *name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    MainWindow *window = nullptr;
};

// Pixels further apart than this in a colour channel differ; a few may, for
// the odd anti-aliased edge.
static constexpr int channelTolerance = 40, differingPixelsAllowed = 8;

static void compareWithGolden(QWidget *shown, const QString &name)
{
    const QImage shot = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = qEnvironmentVariable("RUMITA_TEST_DATA") + "/golden/" + name + ".png";
    if (qEnvironmentVariableIsSet("RUMITA_UPDATE_GOLDEN")) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && shot.save(path));
        return;
    }
    const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), golden.size());
    QImage diff = golden.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QRect where;
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb a = shot.pixel(x, y), b = golden.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > channelTolerance || qAbs(qGreen(a) - qGreen(b)) > channelTolerance ||
                qAbs(qBlue(a) - qBlue(b)) > channelTolerance) {
                ++count;
                where |= QRect(x, y, 1, 1);
                diff.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    if (count > differingPixelsAllowed) {
        const QString out = QDir::temp().filePath("rumita-golden");
        QDir().mkpath(out);
        shot.save(out + '/' + name + "-actual.png");
        diff.save(out + '/' + name + "-diff.png");
        QFAIL(qPrintable(QString("%1 pixels differ from %2, within x %3-%4, y %5-%6; the picture and the "
                                 "differences (red) are in %7")
                             .arg(count).arg(path).arg(where.left()).arg(where.right()).arg(where.top())
                             .arg(where.bottom()).arg(out)));
    }
}

void MainWindowTest::init()
{
    window = new MainWindow(qEnvironmentVariable("RUMITA_PICTURES"));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void MainWindowTest::looksAsDesigned_data()
{
    QTest::addColumn<QString>("seller");
    QTest::newRow("start") << "";
    QTest::newRow("custom") << "custom";  // sections left out, boxes greyed
    QTest::newRow("help") << "help";
}

void MainWindowTest::looksAsDesigned()
{
    QFETCH(QString, seller);
    QWidget *shown = window;
    if (seller == "custom") {
        type(widget("Text1"), "春の新作バッグ");
        type(widget("Text3"), "送料無料");
        for (const char *box : {"Check11", "Check7", "Check12", "Check13"})
            click(box);
    } else if (seller == "help") {
        window->findChild<QAction *>("idm_kidou")->trigger();
        QTRY_VERIFY((shown = QApplication::activeWindow()) && shown->objectName() == "form3");
    }
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();  // no caret: it blinks
    compareWithGolden(shown, QTest::currentDataTag());
    if (shown != window)
        shown->close();
}

void MainWindowTest::sellerAtTheWindow()
{
    auto *title = widget<QLineEdit>("Text1");
    auto *source = widget<QPlainTextEdit>("Text4");
    QTRY_COMPARE(QApplication::focusWidget(), title);
    type(title, "テスト");
    QVERIFY(source->toPlainText().contains("<font color=#000000 size=3>テスト</font></Tr></td>"));
    QCOMPARE(source->textCursor().position(), source->toPlainText().size());
    type(title, QString(30, u'字'));
    QCOMPARE(title->text().size(), 30);  // the 31st character is refused

    type(widget("Text2"), "A\nB");
    QCOMPARE(window->form().Text2.text(), "A\r\nB");
    QVERIFY(source->toPlainText().contains("A\n<br>B</font>"));

    click("Check7");
    click("Check12");  // the payment boxes grey out and keep their ticks
    QVERIFY(!widget("Check7")->isEnabled() && widget<QCheckBox>("Check7")->isChecked());
    QVERIFY(!source->toPlainText().contains("ジャパンネットバンク"));
    click("Check12");
    QVERIFY(source->toPlainText().contains("ジャパンネットバンク"));

    // Each of these hands the focus back to the title.
    const auto focusReturns = [&] { QTRY_COMPARE(QApplication::focusWidget(), title); };
    pick(widget<QComboBox>("Combo4"), 2);
    focusReturns();
    QCOMPARE(widget<QComboBox>("Combo4")->currentText(), "特大");
    QVERIFY(source->toPlainText().contains("size=9>"));
    pick(widget<QComboBox>("Combo1"), 3);
    focusReturns();
    QVERIFY(source->toPlainText().contains("bgcolor=#ED9BA0>"));
    click("Check11");
    focusReturns();
    QVERIFY(widget("Combo2")->isEnabled() && !widget("Combo1")->isEnabled());
    pick(widget<QComboBox>("Combo3"), 3);
    focusReturns();
    QVERIFY(source->toPlainText().contains("bgcolor=#EFF0B0  height"));
    click("Check1");
    focusReturns();
    QVERIFY(source->toPlainText().contains("bgcolor=#ED9BA0><font color=\"#ffffff\""));

    // Without its pictures the window keeps the ones it showed.
    QTemporaryDir empty;
    MainWindow bare(empty.path());
    bare.show();
    auto *image1 = bare.findChild<QLabel *>("Image1");
    const QImage design = image1->pixmap().toImage();
    QTest::mouseClick(bare.findChild<QCheckBox *>("Check11"), Qt::LeftButton);
    QVERIFY(!design.isNull() && image1->pixmap().toImage() == design);
}

void MainWindowTest::menusAndTabOrder()
{
    QStringList entries;
    for (QAction *menu : window->menuBar()->actions()) {
        entries << menu->text();
        for (QAction *entry : menu->menu()->actions())
            entries << (entry->isSeparator() ? "-" : entry->objectName() + ' ' + entry->text());
    }
    QCOMPARE(entries, QStringList({"メニュー(&M)", "IDM_sinki 新規作成(&N)", "-", "IME_hirak ファイルの読込(&O)",
                                   "IME_hozon ファイルの保存(&E)", "-", "IDM_owari ルミタの終了(&X)", "ヘルプ(&H)",
                                   "idm_kidou ヘルプ起動"}));
    const QStringList order{"Text1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Text2",
                            "Text3", "Check9", "Check11", "Combo1", "Combo2", "Combo3", "Command2", "Command3",
                            "Combo4", "Check12", "Check13", "Combo5", "Combo6", "Check20", "Check1", "Text4", "Combo7"};
    QStringList tabbed{"Text1"};
    for (QWidget *w = widget("Text1")->nextInFocusChain(); w != widget("Text1"); w = w->nextInFocusChain())
        if (order.contains(w->objectName()))
            tabbed << w->objectName();
    QCOMPARE(tabbed, order);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_mainwindow.moc"
