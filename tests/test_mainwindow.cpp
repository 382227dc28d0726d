// The real windows under a virtual display: how they look, set against
// pictures in tests/data/golden (rewritten by scripts/golden.sh when the look
// is meant to change), and a seller's whole road through them with keys,
// clicks and answered dialogs, down to the page the browser engine shows.
#include "app/appearance.h"
#include "app/mainwindow.h"
#include "app/previewengine.h"
#include "browserengine.h"
#include "formfixture.h"
#include "memo/cp932.h"

#include <QWebEngineView>
#include <QtTest>
#include <QtWidgets>

class MainWindowTest : public QObject {
    Q_OBJECT
public slots:
    void openOutside(const QUrl &url) { opened << url; }  // stands in for the desktop's browser

private slots:
    void init();
    void cleanup() { delete window; }
    void looksAsDesigned_data();
    void looksAsDesigned();
    void namesMenusAndTabOrder();
    void sellersRoad();  // last: it ends the program

private:
    template <typename T = QWidget>
    T *widget(const char *name) const { return window->findChild<T *>(name); }
    void click(const char *name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void menu(const char *name) { window->findChild<QAction *>(name)->trigger(); }
    QString source() const { return widget<QPlainTextEdit>("Text4")->toPlainText(); }
    void answer(QStringList answers);

    QTemporaryDir folder;  // the program's folder: pictures in, prev.html out
    MainWindow *window = nullptr;
    QStringList answered;  // "title|text|icon" of each message box answered, "title|filter|name" of a file dialog
    QList<QUrl> opened;
};

// Types any text as an input method delivers it; "\n" presses Return.
static void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const int key = c == '\n' ? int(Qt::Key_Return) : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, c), release(QEvent::KeyRelease, key, Qt::NoModifier, c);
        QApplication::sendEvent(widget, &press), QApplication::sendEvent(widget, &release);
    }
}

// Opens the list and clicks the item.
static void pick(QComboBox *list, int index)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
    QTRY_VERIFY(!view->isVisible());
}

// Answers the next modal dialogs in turn as they show: presses a message
// box's "Yes", "No" or "OK", or types the name into the file dialog and accepts it.
void MainWindowTest::answer(QStringList answers)
{
    auto *timer = new QTimer(window);
    connect(timer, &QTimer::timeout, this, [this, timer, answers]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || answers.isEmpty())
            return;
        const QString next = answers.takeFirst();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            answered << QString("%1|%2|%3").arg(box->windowTitle(), box->text()).arg(box->icon());
            box->button(next == "Yes" ? QMessageBox::Yes : next == "No" ? QMessageBox::No : QMessageBox::Ok)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
            answered << dialog->windowTitle() + '|' + dialog->nameFilters().join(';') + '|' + name->text();
            name->setText(next);
            QMetaObject::invokeMethod(dialog, "accept");
        }
        if (answers.isEmpty())
            timer->stop(), timer->deleteLater();
    });
    timer->start(20);
}

static QWidget *shown(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

void MainWindowTest::init()
{
    // kime.jpg and kime2.jpg are left out: Image2 keeps the design picture.
    for (const char *picture : {"hime.jpg", "hime2.jpg"})
        QFile::copy(qEnvironmentVariable("RUMITA_PICTURES") + '/' + picture, folder.filePath(picture));
    window = new MainWindow(folder.path());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void MainWindowTest::looksAsDesigned_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::newRow("start") << QStringList{};
    QTest::newRow("custom") << QStringList{"Check11", "Check7", "Check12", "Check13"};
    QTest::newRow("help") << QStringList{"idm_kidou"};
}

// Pixels further apart than this in a colour channel differ; a few may, at
// the odd anti-aliased edge.
static constexpr int channelTolerance = 16, differingPixelsAllowed = 2;

void MainWindowTest::looksAsDesigned()
{
    QFETCH(QStringList, clicks);
    const QString name = QTest::currentDataTag();
    type(widget("Text3"), clicks.size() > 1 ? "送料無料" : "");
    for (const QString &control : clicks)
        control == "idm_kidou" ? menu("idm_kidou") : click(qPrintable(control));
    QWidget *look = name == "help" ? shown("form3") : window;
    if (QWidget *focus = QApplication::focusWidget())
        focus->clearFocus();  // no caret: it blinks
    const QImage shot = look->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString path = qEnvironmentVariable("RUMITA_TEST_DATA") + "/golden/" + name + ".png";
    if (qEnvironmentVariableIsSet("RUMITA_UPDATE_GOLDEN"))
        QVERIFY(QDir().mkpath(QFileInfo(path).path()) && shot.save(path));
    const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), golden.size());
    // The differences in red over the golden picture in grey.
    QImage diff = golden.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    QRect where;
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb a = shot.pixel(x, y), b = golden.pixel(x, y);
            const int distance = qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))), qAbs(qBlue(a) - qBlue(b)));
            if (distance > channelTolerance)
                diff.setPixel(x, y, qRgb(255, 0, 0)), where |= QRect(x, y, 1, 1), ++differing;
        }
    if (differing > differingPixelsAllowed) {
        const QString out = QDir::temp().filePath("rumita-golden/");
        QDir().mkpath(out), shot.save(out + name + "-actual.png"), diff.save(out + name + "-diff.png");
        QFAIL(qPrintable(QString("%1 pixels differ from %2 in x %3-%4, y %5-%6; the picture and the differences are in %7")
                             .arg(differing).arg(path).arg(where.left()).arg(where.right()).arg(where.top())
                             .arg(where.bottom()).arg(out)));
    }
    QVERIFY(look == window || (look->windowTitle() == "HELP" && look->findChild<QLabel *>("Label1") &&
                               look->findChild<QLabel *>("Label2") && look->close()));
}

void MainWindowTest::namesMenusAndTabOrder()
{
    QStringList entries;
    for (QAction *menu : window->menuBar()->actions()) {
        entries << menu->text();
        for (QAction *entry : menu->menu()->actions())
            entries << (entry->isSeparator() ? "-" : entry->text());
    }
    QCOMPARE(entries, QStringList({"メニュー(&M)", "新規作成(&N)", "-", "ファイルの読込(&O)", "ファイルの保存(&E)", "-",
                                   "ルミタの終了(&X)", "ヘルプ(&H)", "ヘルプ起動"}));
    const QStringList order{"Text1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8", "Text2",
                            "Text3", "Check9", "Check11", "Combo1", "Combo2", "Combo3", "Command2", "Command3",
                            "Combo4", "Check12", "Check13", "Combo5", "Combo6", "Check20", "Check1", "Text4", "Combo7"};
    QStringList tabbed{"Text1"};
    for (QWidget *w = widget("Text1")->nextInFocusChain(); w != widget("Text1"); w = w->nextInFocusChain())
        if (order.contains(w->objectName()))
            tabbed << w->objectName();
    QCOMPARE(tabbed, order);
    QVERIFY(!window->windowIcon().isNull());
    // Tests and tools find the windows' parts by these names.
    for (const char *name : {"Form1", "Frame1", "Frame2", "Frame3", "Frame4", "Line1", "Line2", "Line3", "Label1", "Label2",
                             "Label3", "Label4", "Shape1", "Shape2", "Shape3", "Shape4", "Label5(0)", "Label5(2)", "Label5(3)",
                             "Label5(4)", "Label7", "Label8", "Label9", "Label10", "Label11", "Label12", "Label13", "Image1",
                             "Image2", "IDM_FILE", "IDM_help", "IDM_kurigi", "IDM_kurigi2"})
        QVERIFY2(window->objectName() == name || window->findChild<QObject *>(name), name);
}

static QString pageText(QWebEngineView *view)
{
    auto text = std::make_shared<std::optional<QString>>();
    view->page()->toPlainText([text](const QString &t) { *text = t; });
    return QTest::qWaitFor([text] { return text->has_value(); }, 10000) ? **text : QString();
}

void MainWindowTest::sellersRoad()
{
    auto *title = widget<QLineEdit>("Text1");
    const auto focusBack = [&] { QTRY_COMPARE(window->focusWidget(), title); };
    focusBack();
    type(title, QString(31, u'字'));
    QCOMPARE(title->text().size(), 30);  // the 31st character is refused
    title->clear();
    type(title, "限定品ｶﾒﾗ <新品>");
    QVERIFY(source().contains("<font color=#000000 size=3>限定品ｶﾒﾗ <新品></font></Tr></td>"));
    QCOMPARE(widget<QPlainTextEdit>("Text4")->textCursor().position(), source().size());
    type(widget("Text2"), "一行目\n二行目");
    QVERIFY(source().contains("<font color=#000000>一行目\n<br>二行目</font>"));
    type(widget<QComboBox>("Combo4")->lineEdit(), "特大\n");  // typing in a list picks nothing and adds nothing
    QVERIFY(widget<QComboBox>("Combo4")->count() == 3 && source().contains("size=3>限定品"));
    click("Check20"), click("Check7");
    QVERIFY(source().contains(" ○ペイメント  ○銀行振り込み  ○ジャパンネットバンク決算 "));
    // Each of these hands the focus back to the title.
    const auto pickBack = [&](const char *list, int index) { pick(widget<QComboBox>(list), index), focusBack(); };
    pickBack("Combo1", 3);
    click("Check11"), focusBack();
    QVERIFY(widget("Combo2")->isEnabled() && !widget("Combo1")->isEnabled());
    click("Check1"), focusBack();
    pickBack("Combo4", 2);
    QVERIFY(source().contains("bgcolor=#ED9BA0><font color=\"#ffffff\"") && source().contains("size=9>限定品"));

    const QString memo = folder.filePath("出品.qip");
    answer({memo, "Yes", "OK"});  // New asks; paste tells
    menu("IME_hozon"), menu("IDM_sinki");
    QVERIFY(source().isEmpty() && title->text().isEmpty() && !widget<QCheckBox>("Check7")->isChecked() &&
            widget<QComboBox>("Combo4")->currentText() == "普通");
    click("Command2"), focusBack();  // the blank listing, although the source box is empty
    QVERIFY(QApplication::clipboard()->text().contains("■商品名■") && source().isEmpty());
    QCOMPARE(answered.value(1), "新規作成|現在のデーターは失われます！\r\n  新規作成しますか？|4");  // the question icon
    QCOMPARE(answered.value(2), "ルミタ|※貼り付け状態になりました!\r\n\r\nオークションの説明欄へ右クリック＞貼り付けしてください。|0");
    answer({memo});  // Open after New does not ask
    menu("IME_hirak");
    QVERIFY(answered[0].endsWith("|ルミタファイル (*.qip)|*.qip") && answered[3].endsWith("|ルミタファイル (*.qip)|*.qip"));
    QVERIFY(title->text() == "限定品ｶﾒﾗ <新品>" && widget<QCheckBox>("Check7")->isChecked());
    QVERIFY(widget<QComboBox>("Combo4")->currentText() == "特大" && widget<QComboBox>("Combo1")->currentText() == "ピンク");
    const QString listing = window->form().state.syuturyoku;
    QCOMPARE(QString(listing).replace('\r', '\n'), source());
    QVERIFY(listing.contains("<font color=#000000 size=9>限定品ｶﾒﾗ <新品></font>") && listing.contains("bgcolor=#ED9BA0>"));

    answer({"OK"});
    click("Command2");
    QCOMPARE(QApplication::clipboard()->text(), listing);
    QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});

    if (!browserEngineKeptOut()) {
        // Japanese shows, scripts do not run, and a link opens in the desktop's
        // browser while the preview keeps the listing.
        QDesktopServices::setUrlHandler("https", this, "openOutside");
        const QUrl item("https://auction.example/item/1");
        type(widget("Text2"), "<script>document.write('ran');</script><a href=\"" + item.toString() +
                                  "\" style=\"display:block; height:1000px\">商品ページ</a>");
        click("Command3"), focusBack();
        QCOMPARE(contents(folder.filePath("prev.html")), cp932::encode(window->form().state.syuturyoku + "\r\n"));
        QWidget *preview = shown("Form2");
        QVERIFY(preview && preview->windowTitle() == "プレビュー");
        QCOMPARE(preview->frameGeometry().topLeft(), window->frameGeometry().topRight() + QPoint(1, 0));  // beside
        auto *view = preview->findChild<QWebEngineView *>("WebBrowser1");
        QTRY_VERIFY_WITH_TIMEOUT(pageText(view).contains("○ジャパンネットバンク決算"), 30000);
        const QString page = pageText(view);
        QVERIFY2(page.contains("限定品ｶﾒﾗ <新品>") && page.contains("商品ページ") && !page.contains("ran"), qPrintable(page));
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(300, 300));
        QTRY_COMPARE_WITH_TIMEOUT(opened, QList<QUrl>{item}, 10000);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(pageText(view), page);
        type(title, "二回目");  // the next preview reloads the same window
        click("Command3");
        QTRY_VERIFY_WITH_TIMEOUT(pageText(view).contains("二回目"), 30000);
        QCOMPARE(shown("Form2"), preview);
        QPointer<QWidget> closed = preview;  // a closed preview is gone; the next one is new
        preview->close();
        QTRY_VERIFY(!closed);
    }

    menu("idm_kidou");
    answer({"No"});  // a close request refused
    QVERIFY(!window->close() && window->isVisible() && shown("form3"));
    answer({"Yes"});  // the exit entry ends everything
    menu("IDM_owari");
    QCOMPARE(answered.mid(answered.size() - 2), QStringList(2, "終了しますか？|ルミタを終了しますか？|4"));
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
}

int main(int argc, char *argv[])
{
    previewEngine::prepare();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    applyAppearance(app);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_mainwindow.moc"
