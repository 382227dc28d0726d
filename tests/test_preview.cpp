// The preview program's window, in this process: the page shows the listing
// once, every frame of it loads once and leaves the engine idle, links leave
// for the desktop's browser, the menu speaks Japanese, and a screen reader
// finds the window and reads the page.
#include "tests/support/browserengine.h"
#include "preview/previewwindow.h"

#include <QtTest>
#include <QtWidgets>
#include <QWebEngineView>

#include <ctime>
#include <unistd.h>

// Processor seconds this process and the page's renderer have spent.
static double processorSeconds(QWebEnginePage *page)
{
    QFile stat(QString("/proc/%1/stat").arg(page->renderProcessPid()));
    const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');  // state ppid ... utime stime
    return double(std::clock()) / CLOCKS_PER_SEC +
           (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

class PreviewWindowTest : public QObject {
    Q_OBJECT
public slots:
    void openOutside(const QUrl &url) { opened << url; }  // stands in for the desktop's browser

public:
    static void initMain() { PreviewWindow::prepareApplication(); }  // before the application object
private slots:
    // A page whose frames ask to load again shows once and leaves the engine
    // idle; a clicked link opens in the desktop's browser and the listing
    // stays; a screen reader finds the window and the link; the menu speaks
    // Japanese.
    void showsOnceAndLinksLeave();

private:
    QList<QUrl> opened;
};

void PreviewWindowTest::showsOnceAndLinksLeave()
{
    SKIP_WITHOUT_BROWSER_ENGINE();
    PreviewWindow window;
    window.show();
    QDesktopServices::setUrlHandler("https", this, "openOutside");
    const QUrl item("https://auction.example/item/1"), other("https://auction.example/item/2");
    QSignalSpy loaded(&window, &PreviewWindow::loaded);
    // The page and each frame in it ask to load again at once, each in its own way; a picture it names is not there.
    window.showListing(
        "/listing/prev.html",
        "<meta http-equiv=\"refresh\" content=\"0;url=prev.html\"><meta http-equiv=refresh content=0><img src=\"none.jpg\"><a "
        "href=\"" +
            item.toEncoded() + "\" style=\"display:inline-block; width:250px; height:400px\">link</a><a target=_blank href=\"" +
            other.toEncoded() +
            "\" style=\"display:inline-block; width:250px; height:400px\">new</a><iframe srcdoc=\"<meta http-equiv=refresh "
            "content=0>中\"></iframe><IFRAME src=\"data:text/html,<meta http-equiv=refresh content=0>x\"></IFRAME><iframe\n"
            "src=\"data:text/html,<meta http-equiv=refresh content='0;url=data:text/html,y'>x\"></iframe><iframe "
            "srcdoc=\"<iframe srcdoc='<meta http-equiv=refresh content=0>'></iframe>\"></iframe>");
    QTRY_COMPARE_WITH_TIMEOUT(loaded.value(0).value(0).toBool(), true, 30000);  // it loaded
    const double before = processorSeconds(window.browser()->page());
    QTest::qWait(2000);
    // A core's worth, looping.
    QVERIFY2(processorSeconds(window.browser()->page()) - before < 0.3, "the page went on loading");
    QCOMPARE(window.size(), QSize(643, 465));
    QCOMPARE(window.browser()->geometry(), QRect(0, 0, 641, 465));  // the page from the window's corner
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&window);
    QCOMPARE(reader->text(QAccessible::Name), "プレビュー");
    // The name of the first link a screen reader finds in the window.
    const auto link = [](QAccessibleInterface *node, auto &self) -> QString {
        QString name = node->role() == QAccessible::Link ? node->text(QAccessible::Name) : QString();
        for (int i = 0; name.isEmpty() && i < node->childCount(); ++i)
            name = self(node->child(i), self);
        return name;
    };
    QTRY_COMPARE(link(reader, link), "link");
    QTest::mouseClick(window.browser()->focusProxy(), Qt::LeftButton, {}, QPoint(150, 200));
    QTest::mouseClick(window.browser()->focusProxy(), Qt::LeftButton, {}, QPoint(400, 200));  // one for a new window
    QTRY_COMPARE_WITH_TIMEOUT(opened, QList<QUrl>({item, other}), 10000);
    QDesktopServices::unsetUrlHandler("https");
    QString text;  // the listing stays
    window.browser()->page()->toPlainText([&text](const QString &t) { text = t; });
    QTRY_VERIFY2(text.startsWith("linknew"), qPrintable(text));
    // Its menu offers what works on a shown page, in Japanese.
    QTest::mouseClick(window.browser()->focusProxy(), Qt::RightButton, {}, QPoint(150, 200));  // on the link
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), 10000);
    QStringList offered;
    for (QAction *action : QApplication::activePopupWidget()->actions())
        offered << action->text();
    QCOMPARE(offered, QStringList({"コピー(&C)", "リンクのアドレスをコピー(&L)", "すべて選択(&A)"}));
    QApplication::activePopupWidget()->close();
}

QTEST_MAIN(PreviewWindowTest)
#include "test_preview.moc"
