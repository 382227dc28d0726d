// The real main window under a virtual display: layout, start state, and the
// widgets driving the form as a user would.
#include "app/appearance.h"
#include "app/mainwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void clientAreaIsFixed();
    void controlsAtTheirPlaces_data();
    void controlsAtTheirPlaces();
    void listsStartUnselected_data();
    void listsStartUnselected();
    void startState();
    void menusAndTabOrder();
    void typingShowsListingWithCaretAtEnd();
    void omissionGreysControls();
    void sizePickMovesFocus();
    void switchSwapsPicturesAndLists();
    void missingPictureKeepsPrevious();

private:
    template <typename T = QWidget>
    T *widget(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }
    MainWindow *window = nullptr;
};

// Types any text, as an input method delivers it; QTest::keyClicks knows Latin-1 only.
static void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void MainWindowTest::init()
{
    window = new MainWindow(qEnvironmentVariable("RUMITA_PICTURES"));
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void MainWindowTest::cleanup()
{
    delete window;
    window = nullptr;
}

void MainWindowTest::clientAreaIsFixed()
{
    QCOMPARE(window->centralWidget()->size(), QSize(623, 449));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowTitle(), "ルミタ");
}

void MainWindowTest::controlsAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Frame1") << "Frame1" << QRect(0, 8, 393, 441) << "";
    QTest::newRow("Frame2") << "Frame2" << QRect(396, 8, 225, 257) << "「枠の選択」";
    QTest::newRow("Frame4") << "Frame4" << QRect(396, 392, 225, 57) << "「メニュー」";
    QTest::newRow("Text1") << "Text1" << QRect(88, 16, 297, 25) << "";
    QTest::newRow("Check20") << "Check20" << QRect(88, 48, 73, 17) << "ペイメント";
    QTest::newRow("Check5") << "Check5" << QRect(88, 64, 73, 25) << "銀行振込";
    QTest::newRow("Check7") << "Check7" << QRect(168, 64, 113, 25) << "JPNETBANK決算";
    QTest::newRow("Check6") << "Check6" << QRect(168, 88, 97, 17) << "ＵＦＪ銀行決算";
    QTest::newRow("Text2") << "Text2" << QRect(88, 120, 297, 153) << "";
    QTest::newRow("Combo4") << "Combo4" << QRect(104, 415, 49, 20) << "";
    QTest::newRow("Check12") << "Check12" << QRect(160, 416, 113, 17) << "支払方法［省　略］";
    QTest::newRow("Label5(0)") << "Label5(0)" << QRect(19, 23, 57, 13) << "【タイトル】";
    QTest::newRow("Check1") << "Check1" << QRect(8, 24, 97, 17) << " 標準枠（6色）";
    QTest::newRow("Image1") << "Image1" << QRect(112, 24, 107, 87) << "";
    QTest::newRow("Combo1") << "Combo1" << QRect(48, 56, 57, 20) << "";
    QTest::newRow("Check11") << "Check11" << QRect(8, 134, 97, 16) << "　カスタム";
    QTest::newRow("Image2") << "Image2" << QRect(112, 144, 107, 87) << "";
    QTest::newRow("Text4") << "Text4" << QRect(8, 16, 209, 105) << "";
    QTest::newRow("Command3") << "Command3" << QRect(8, 16, 97, 33) << "プレビュー";
    QTest::newRow("Frame3") << "Frame3" << QRect(396, 264, 225, 129) << "[HTMLソース]";
    QTest::newRow("Check3") << "Check3" << QRect(168, 48, 105, 17) << "イーバンク決算";
    QTest::newRow("Check9") << "Check9" << QRect(288, 48, 81, 17) << "スルガ銀行";
    QTest::newRow("Check4") << "Check4" << QRect(288, 64, 73, 25) << "商品代引";
    QTest::newRow("Check2") << "Check2" << QRect(88, 88, 73, 17) << "郵便振替";
    QTest::newRow("Check8") << "Check8" << QRect(288, 88, 73, 17) << "現金書留";
    QTest::newRow("Text3") << "Text3" << QRect(88, 288, 297, 121) << "";
    QTest::newRow("Label13") << "Label13" << QRect(24, 418, 73, 17) << "タイトルサイズ";
    QTest::newRow("Check13") << "Check13" << QRect(280, 416, 105, 17) << "その他［省　略］";
    QTest::newRow("Label5(4)") << "Label5(4)" << QRect(16, 328, 65, 21) << "【その他】";
    QTest::newRow("Label11") << "Label11" << QRect(3, 203, 49, 17) << "(字色左）";
    QTest::newRow("Combo7") << "Combo7" << QRect(48, 224, 57, 20) << "";
    QTest::newRow("Command2") << "Command2" << QRect(120, 16, 97, 33) << "オークション貼付状態";
}

void MainWindowTest::controlsAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QWidget *w = widget(name);
    QTEST(w->geometry(), "rect");
    QVERIFY(w->isVisible());
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(w))
        QCOMPARE(frame->title(), caption);
}

void MainWindowTest::listsStartUnselected_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("Combo1") << "Combo1" << QStringList{"青　色", "茶　色", "灰　色　", "ピンク", "黒　色", "緑　色"};
    QTest::newRow("Combo2") << "Combo2" << QStringList{"青　色", "ピンク", "深　緑", "黒　色", "茶　色", "灰　色", "みかん"};
    QTest::newRow("Combo3") << "Combo3" << QStringList{"灰　色", "白　色", "青　色", "黄　色", "緑　色", "黒　色", "ピンク"};
    QTest::newRow("Combo4") << "Combo4" << QStringList{"普通", "　大", "特大"};
    QTest::newRow("Combo5") << "Combo5" << QStringList{"黒　色", "灰　色", "青　色", "茶　色"};
    QTest::newRow("Combo6") << "Combo6" << QStringList{"白　色", "黒　色", "青　色"};
    QTest::newRow("Combo7") << "Combo7" << QStringList{"黒　色", "灰　色", "白　色", "青　色"};
}

void MainWindowTest::listsStartUnselected()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    auto *list = widget<QComboBox>(name);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    QCOMPARE(shown, items);
    QVERIFY(list->isEditable());
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(list->currentText(), items.first());
}

void MainWindowTest::startState()
{
    for (const char *name : {"Check20", "Check2", "Check3", "Check4", "Check6", "Check7", "Check8",
                             "Check9", "Check11", "Check12", "Check13"})
        QCOMPARE(widget<QCheckBox>(name)->checkState(), Qt::Unchecked);
    QCOMPARE(widget<QCheckBox>("Check1")->checkState(), Qt::Checked);
    QCOMPARE(widget<QCheckBox>("Check5")->checkState(), Qt::Checked);
    for (const char *name : {"Combo2", "Combo3", "Combo6", "Combo7"})
        QVERIFY(!widget(name)->isEnabled());
    QVERIFY(widget("Combo1")->isEnabled());
    auto *source = widget<QPlainTextEdit>("Text4");
    QVERIFY(source->isReadOnly());
    QCOMPARE(source->toPlainText(), QString());
    QCOMPARE(source->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(widget<QCheckBox>("Check1")->palette().color(QPalette::Window), QColor(192, 255, 255));
    QCOMPARE(widget<QCheckBox>("Check11")->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(widget<QLineEdit>("Text1")->font().pointSize(), 12);
    QCOMPARE(widget<QLabel>("Label5(4)")->font().pointSize(), 11);
    QTRY_COMPARE(QApplication::focusWidget(), widget("Text1"));
}

void MainWindowTest::menusAndTabOrder()
{
    QStringList entries;
    for (QAction *action : window->menuBar()->actions()) {
        entries << action->text();
        for (QAction *entry : action->menu()->actions())
            entries << (entry->isSeparator() ? "-" : entry->objectName() + ' ' + entry->text());
    }
    QCOMPARE(entries, QStringList({"メニュー(&M)", "IDM_sinki 新規作成(&N)", "-",
                                   "IME_hirak ファイルの読込(&O)", "IME_hozon ファイルの保存(&E)",
                                   "-", "IDM_owari ルミタの終了(&X)", "ヘルプ(&H)",
                                   "idm_kidou ヘルプ起動"}));

    const QStringList order{"Text1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7",
                            "Check8", "Text2", "Text3", "Check9", "Check11", "Combo1", "Combo2",
                            "Combo3", "Command2", "Command3", "Combo4", "Check12", "Check13",
                            "Combo5", "Combo6", "Check20", "Check1", "Text4", "Combo7"};
    QWidget *w = widget(order.first());
    for (const QString &next : order.mid(1)) {
        do
            w = w->nextInFocusChain();
        while (!order.contains(w->objectName()));
        QCOMPARE(w->objectName(), next);
    }
}

void MainWindowTest::typingShowsListingWithCaretAtEnd()
{
    auto *title = widget<QLineEdit>("Text1");
    type(title, "テスト");
    auto *source = widget<QPlainTextEdit>("Text4");
    QVERIFY(source->toPlainText().contains("size=3>テスト</font></Tr></td>"));
    QCOMPARE(source->textCursor().position(), source->document()->characterCount() - 1);
    QCOMPARE(window->form().state.syuturyoku, window->form().Text4.text());

    type(title, QString(30, u'字'));
    QCOMPARE(title->text().size(), 30);  // the 31st character is refused

    auto *description = widget<QPlainTextEdit>("Text2");
    QTest::keyClicks(description, "A");
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, "B");
    QCOMPARE(window->form().Text2.text(), "A\r\nB");
    QCOMPARE(window->form().state.descriptionText, "A\r<br>B");
}

void MainWindowTest::omissionGreysControls()
{
    QTest::mouseClick(widget<QCheckBox>("Check7"), Qt::LeftButton);
    QTest::mouseClick(widget<QCheckBox>("Check12"), Qt::LeftButton);
    for (const char *name : {"Check20", "Check5", "Check7", "Check8"})
        QVERIFY(!widget(name)->isEnabled());
    QVERIFY(!widget<QPlainTextEdit>("Text4")->toPlainText().contains("支払方法"));

    auto *other = widget<QPlainTextEdit>("Text3");
    QTest::keyClicks(other, "memo");
    QTest::mouseClick(widget<QCheckBox>("Check13"), Qt::LeftButton);
    QVERIFY(!other->isEnabled());
    QCOMPARE(other->palette().color(QPalette::Disabled, QPalette::Base),
             other->palette().color(QPalette::Button));

    QTest::mouseClick(widget<QCheckBox>("Check12"), Qt::LeftButton);
    QTest::mouseClick(widget<QCheckBox>("Check13"), Qt::LeftButton);
    QVERIFY(widget("Check7")->isEnabled() && other->isEnabled());
    QCOMPARE(widget<QCheckBox>("Check7")->checkState(), Qt::Checked);
    QCOMPARE(other->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(other->toPlainText(), "memo");
    QVERIFY(widget<QPlainTextEdit>("Text4")->toPlainText().contains("ジャパンネットバンク決算"));
}

void MainWindowTest::sizePickMovesFocus()
{
    auto *sizes = widget<QComboBox>("Combo4");
    sizes->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), sizes);
    sizes->showPopup();  // a pick from the open list
    QTest::mouseClick(sizes->view()->viewport(), Qt::LeftButton, {},
                      sizes->view()->visualRect(sizes->model()->index(2, 0)).center());
    QTRY_COMPARE(QApplication::focusWidget(), widget("Text1"));
    QCOMPARE(sizes->currentText(), "特大");
    QCOMPARE(window->form().state.titleSize, "9");
}

void MainWindowTest::switchSwapsPicturesAndLists()
{
    auto *image1 = widget<QLabel>("Image1");
    auto *image2 = widget<QLabel>("Image2");
    const QImage greyedCustom = image2->pixmap().toImage();
    QTest::mouseClick(widget<QCheckBox>("Check11"), Qt::LeftButton);
    QCOMPARE(image1->pixmap().toImage(), QImage(qEnvironmentVariable("RUMITA_PICTURES") + "/hime2.jpg"));
    QCOMPARE(image2->pixmap().toImage(), QImage(qEnvironmentVariable("RUMITA_PICTURES") + "/kime.jpg"));
    QCOMPARE(widget<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QCOMPARE(widget<QCheckBox>("Check11")->palette().color(QPalette::Window), QColor(255, 192, 192));
    QVERIFY(widget("Combo7")->isEnabled() && !widget("Combo1")->isEnabled());

    QTest::mouseClick(widget<QCheckBox>("Check1"), Qt::LeftButton);
    QCOMPARE(image2->pixmap().toImage(), greyedCustom);
}

void MainWindowTest::missingPictureKeepsPrevious()
{
    QTemporaryDir empty;
    MainWindow bare(empty.path());
    bare.show();
    auto *image1 = bare.findChild<QLabel *>("Image1");
    const QImage design = image1->pixmap().toImage();
    QVERIFY(!design.isNull());
    QTest::mouseClick(bare.findChild<QCheckBox *>("Check11"), Qt::LeftButton);
    QCOMPARE(image1->pixmap().toImage(), design);
    QCOMPARE(bare.form().state.layoutMode, 2);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_mainwindow.moc"
