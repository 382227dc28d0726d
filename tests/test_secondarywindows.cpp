// The preview and help windows and the way out, on the real windows under a
// virtual display: the preview renders in the real browser engine.
#include "app/appearance.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/previewscheme.h"
#include "app/previewwindow.h"
#include "app/viewbinding.h"
#include "memo/cp932.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
public slots:
    // Stands in for the desktop's browser.
    void openOutside(const QUrl &url) { opened << url; }

private slots:
    void init();
    void cleanup();
    void previewShowsJapanese_data();
    void previewShowsJapanese();
    void katakanaFileIsReadAsShiftJis();
    void listingIsShownButNotRun();
    void previewWindowIsReusedUntilClosed();
    void pastePutsPlainTextOnly();
    void helpWindow();
    void closeRequest();
    void exitMenuEndsEverything();  // last: it ends the program

private:
    QWebEngineView *preview();
    void answerBoxes(QList<QMessageBox::StandardButton> answers);

    QTemporaryDir temp;
    QString folder;
    MainWindow *window = nullptr;
    QStringList boxes;  // "title|text|icon" of each message box answered
    QList<QUrl> opened;
};

// Answers the message boxes as they open, in order.
void SecondaryWindowsTest::answerBoxes(QList<QMessageBox::StandardButton> answers)
{
    auto *timer = new QTimer(window);
    connect(timer, &QTimer::timeout, this, [this, timer, answers]() mutable {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes << QString("%1|%2|%3").arg(box->windowTitle(), box->text()).arg(box->icon());
        box->button(answers.takeFirst())->click();
        if (answers.isEmpty())
            timer->deleteLater();
    });
    timer->start(10);
}

static QString pageText(QWebEngineView *view)
{
    auto text = std::make_shared<std::optional<QString>>();
    view->page()->toPlainText([text](const QString &t) { *text = t; });
    if (!QTest::qWaitFor([text] { return text->has_value(); }, 10000))
        qWarning("no page text");
    return text->value_or(QString());
}

static QList<QWidget *> shown(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            found << w;
    return found;
}

// Clicks the preview button and waits until the page has loaded.
QWebEngineView *SecondaryWindowsTest::preview()
{
    QTest::mouseClick(window->findChild<QWidget *>("Command3"), Qt::LeftButton);
    const auto windows = shown("Form2");
    if (windows.size() != 1)
        return nullptr;
    auto *view = windows[0]->findChild<QWebEngineView *>("WebBrowser1");
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    return loaded.wait(20000) && loaded[0][0].toBool() ? view : nullptr;
}

void SecondaryWindowsTest::init()
{
    // A Japanese folder name with a space, as sellers' folders may have.
    folder = temp.filePath(QString("ルミタ %1").arg(QTest::currentTestFunction()));
    QVERIFY(QDir().mkpath(folder));
    window = new MainWindow(folder);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    boxes.clear();
    opened.clear();
}

void SecondaryWindowsTest::cleanup()
{
    delete window;
    QTest::qWait(0);  // windows closed by the test go with their deferred deletes
}

void SecondaryWindowsTest::previewShowsJapanese_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    QTest::newRow("mixed") << "春物ワンピース Mサイズ①" << "綿１００％、～送料無料～\r\n表示・ソース確認";
    QTest::newRow("half-width katakana") << "ﾜﾝﾋﾟｰｽ ｻｲｽﾞM" << "ｼﾝﾋﾟﾝ ﾐｼﾖｳ";
}

void SecondaryWindowsTest::previewShowsJapanese()
{
    QFETCH(QString, title);
    QFETCH(QString, description);
    window->form().Text1.setText(title);
    window->form().Text2.setText(description);
    QWebEngineView *view = preview();
    QVERIFY(view);
    const QString text = pageText(view);
    for (const QString &line : QStringList{title} + description.split("\r\n"))
        QVERIFY2(text.contains(line), qPrintable(text));
}

void SecondaryWindowsTest::katakanaFileIsReadAsShiftJis()
{
    // Without the charset the engine guesses these bytes are Cyrillic.
    const QString katakana = "ｱｲｳｴｵ ｶｷｸｹｺ ｻｼｽｾｿ ﾀﾁﾂﾃﾄ ﾅﾆﾇﾈﾉ ﾊﾋﾌﾍﾎ ﾏﾐﾑﾒﾓ ﾔﾕﾖ ﾗﾘﾙﾚﾛ ﾜｦﾝ";
    QFile file(folder + "/prev.html");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cp932::encode(katakana + "\r\n"));
    file.close();
    PreviewWindow preview;
    QSignalSpy loaded(preview.browser(), &QWebEngineView::loadFinished);
    preview.showFile(file.fileName());
    QVERIFY(loaded.wait(20000));
    QCOMPARE(pageText(preview.browser()), katakana);
}

void SecondaryWindowsTest::listingIsShownButNotRun()
{
    // Pictures from the web load, scripts do not run, and a link opens in the
    // desktop's browser while the preview keeps the listing.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QByteArray request;
    connect(&server, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, this, [&, socket] {
            request += socket->readAll();
            socket->write("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n");
            socket->disconnectFromHost();
        });
    });
    QDesktopServices::setUrlHandler("https", this, "openOutside");
    const QUrl item("https://auction.example/item/1");
    window->form().Text2.setText(
        QString("<img src=\"http://127.0.0.1:%1/item.jpg\">"
                "<script>document.title = 'ran'; document.write('ran');</script>"
                "<a href=\"%2\" style=\"display:block; height:1000px\">商品ページ</a>")
            .arg(server.serverPort())
            .arg(item.toString()));
    QWebEngineView *view = preview();
    QVERIFY(view);
    QVERIFY(request.startsWith("GET /item.jpg "));
    const QString text = pageText(view);
    QVERIFY(text.contains("商品ページ"));
    QVERIFY(!text.contains("ran"));
    QVERIFY(view->title() != "ran");

    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(300, 300));
    QTRY_COMPARE_WITH_TIMEOUT(opened, QList<QUrl>{item}, 10000);
    QDesktopServices::unsetUrlHandler("https");
    QTest::qWait(200);
    QCOMPARE(pageText(view), text);
}

void SecondaryWindowsTest::previewWindowIsReusedUntilClosed()
{
    window->form().Text1.setText("一回目");
    QWebEngineView *first = preview();
    QVERIFY(first);
    window->form().Text1.setText("二回目");
    QCOMPARE(preview(), first);
    QCOMPARE(shown("Form2").size(), 1);
    QVERIFY(pageText(first).contains("二回目"));

    // Closed, it is gone; the next preview makes a new one.
    QPointer<QWidget> closed = first->window();
    closed->close();
    QTRY_VERIFY(!closed);
    QVERIFY(preview());
}

void SecondaryWindowsTest::pastePutsPlainTextOnly()
{
    auto *old = new QMimeData;
    old->setHtml("<b>前の内容</b>");
    old->setData("image/png", "png");
    QApplication::clipboard()->setMimeData(old);
    answerBoxes({QMessageBox::Ok});
    QTest::mouseClick(window->findChild<QWidget *>("Command2"), Qt::LeftButton);

    const QMimeData *now = QApplication::clipboard()->mimeData();
    QCOMPARE(now->formats(), QStringList{"text/plain"});
    QCOMPARE(now->text(), window->form().state.syuturyoku);
    QCOMPARE(boxes, QStringList{QString("ルミタ|※貼り付け状態になりました!\r\n\r\n"
                                        "オークションの説明欄へ右クリック＞貼り付けしてください。|%1")
                                    .arg(QMessageBox::NoIcon)});
}

void SecondaryWindowsTest::helpWindow()
{
    auto *entry = window->findChild<QAction *>("idm_kidou");
    entry->trigger();
    entry->trigger();
    const auto windows = shown("form3");
    QCOMPARE(windows.size(), 1);
    const QString family = QFontInfo(windows[0]->findChild<QLabel *>("Label1")->font()).family();
    QVERIFY2(family.contains("Mincho") || family.contains("Serif"), qPrintable(family));
    auto *text = windows[0]->findChild<QLabel *>("Label2");
    QCOMPARE(text->text(), viewBinding::toWidgetText(MainForm::helpText()));
    // All nineteen lines show, wrapped, without being cut off at the bottom.
    QVERIFY(text->heightForWidth(text->width()) <= text->height());
}

static const QString exitQuestion =
    QString("終了しますか？|ルミタを終了しますか？|%1").arg(QMessageBox::Question);

void SecondaryWindowsTest::closeRequest()
{
    window->findChild<QAction *>("idm_kidou")->trigger();
    window->form().Text1.setText("入力中");
    answerBoxes({QMessageBox::No, QMessageBox::Yes});
    QVERIFY(!window->close());
    QCOMPARE(boxes, QStringList{exitQuestion});
    QCOMPARE(shown("form3").size(), 1);
    QCOMPARE(window->form().Text1.text(), "入力中");

    QVERIFY(window->close());
    QCOMPARE(boxes.size(), 2);
    QVERIFY(shown("form3").isEmpty());
}

void SecondaryWindowsTest::exitMenuEndsEverything()
{
    window->findChild<QAction *>("idm_kidou")->trigger();
    QVERIFY(preview());
    answerBoxes({QMessageBox::Yes});
    window->findChild<QAction *>("IDM_owari")->trigger();
    QCOMPARE(boxes, QStringList{exitQuestion});
    QCOMPARE(window->form().state.confirmAnswer, UserInterface::yes);
    QVERIFY(window->desktop().isQuitting());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

int main(int argc, char *argv[])
{
    previewScheme::registerScheme();
    QApplication app(argc, argv);
    applyAppearance(app);
    SecondaryWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_secondarywindows.moc"
