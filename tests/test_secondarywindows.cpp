// The preview and help windows and the way out, on the real windows under a
// virtual display: the preview renders in the real browser engine.
#include "app/appearance.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/previewengine.h"
#include "app/previewwindow.h"
#include "app/viewbinding.h"
#include "browserengine.h"
#include "memo/cp932.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

class SecondaryWindowsTest : public QObject {
    Q_OBJECT
public slots:
    void openOutside(const QUrl &url) { opened << url; }  // the desktop's browser

private slots:
    void init();
    void cleanup() { delete window; QTest::qWait(0); }
    void halfWidthKatakanaAlone();
    void previewShowsListingAndIsReused();
    void helpWindowAndCloseRequest();
    void exitMenuEndsEverything();  // last: it ends the program

private:
    QWebEngineView *preview();
    void answerBoxes(QList<QMessageBox::StandardButton> answers);
    void menu(const char *name) { window->findChild<QAction *>(name)->trigger(); }

    QTemporaryDir temp;
    QString folder;
    MainWindow *window = nullptr;
    QStringList boxes;  // "title|text|icon" of each message box answered
    QList<QUrl> opened;
};

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
    return QTest::qWaitFor([text] { return text->has_value(); }, 10000) ? **text : QString();
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
}

// Without the charset the engine guesses these bytes, alone in the file, are
// Cyrillic.
void SecondaryWindowsTest::halfWidthKatakanaAlone()
{
    SKIP_WITHOUT_BROWSER_ENGINE();
    const QString katakana = "ｱｲｳｴｵ ｶｷｸｹｺ ｻｼｽｾｿ ﾀﾁﾂﾃﾄ ﾅﾆﾇﾈﾉ ﾊﾋﾌﾍﾎ ﾏﾐﾑﾒﾓ ﾔﾕﾖ ﾗﾘﾙﾚﾛ ﾜｦﾝ";
    QFile file(folder + "/prev.html");
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cp932::encode(katakana + "\r\n")) > 0);
    file.close();
    PreviewWindow alone;
    QSignalSpy loaded(alone.browser(), &QWebEngineView::loadFinished);
    alone.showFile(file.fileName());
    QVERIFY(loaded.wait(20000));
    QCOMPARE(pageText(alone.browser()), katakana);
}

// Japanese shows, scripts do not run, a link opens in the desktop's browser
// while the preview keeps the listing, and the next preview reuses the window
// until it is closed.
void SecondaryWindowsTest::previewShowsListingAndIsReused()
{
    SKIP_WITHOUT_BROWSER_ENGINE();
    QDesktopServices::setUrlHandler("https", this, "openOutside");
    const QUrl item("https://auction.example/item/1");
    const QStringList lines{"春物ワンピース Mサイズ①", "綿１００％、～送料無料～", "表示・ソース確認"};
    window->form().Text1.setText(lines[0]);
    window->form().Text2.setText(
        lines[1] + "\r\n" + lines[2] +
        QString("<script>document.title = 'ran'; document.write('ran');</script>"
                "<a href=\"%1\" style=\"display:block; height:1000px\">商品ページ</a>")
            .arg(item.toString()));
    QWebEngineView *view = preview();
    QVERIFY(view);
    const QString text = pageText(view);
    for (const QString &line : lines + QStringList{"商品ページ"})
        QVERIFY2(text.contains(line), qPrintable(text));
    QVERIFY(!text.contains("ran") && view->title() != "ran");
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(300, 300));
    QTRY_COMPARE_WITH_TIMEOUT(opened, QList<QUrl>{item}, 10000);
    QDesktopServices::unsetUrlHandler("https");
    QTest::qWait(200);
    QCOMPARE(pageText(view), text);

    window->form().Text1.setText("二回目");
    QCOMPARE(preview(), view);
    QCOMPARE(shown("Form2").size(), 1);
    QVERIFY(pageText(view).contains("二回目"));
    QPointer<QWidget> closed = view->window();
    closed->close();
    QTRY_VERIFY(!closed);
    QVERIFY(preview());  // a new one
}

static const QString exitQuestion =
    QString("終了しますか？|ルミタを終了しますか？|%1").arg(QMessageBox::Question);

void SecondaryWindowsTest::helpWindowAndCloseRequest()
{
    menu("idm_kidou");
    menu("idm_kidou");
    QCOMPARE(shown("form3").size(), 1);
    auto *text = shown("form3")[0]->findChild<QLabel *>("Label2");
    QCOMPARE(text->text(), viewBinding::toWidgetText(MainForm::helpText()));
    // All nineteen lines show, wrapped, without being cut off at the bottom.
    QVERIFY(text->heightForWidth(text->width()) <= text->height());

    answerBoxes({QMessageBox::No, QMessageBox::Yes});
    QVERIFY(!window->close());
    QCOMPARE(boxes, QStringList{exitQuestion});
    QCOMPARE(shown("form3").size(), 1);
    QVERIFY(window->close());
    QVERIFY(boxes.size() == 2 && shown("form3").isEmpty());
}

void SecondaryWindowsTest::exitMenuEndsEverything()
{
    menu("idm_kidou");
    if (!browserEngineKeptOut())
        QVERIFY(preview());
    answerBoxes({QMessageBox::Yes});
    menu("IDM_owari");
    QCOMPARE(boxes, QStringList{exitQuestion});
    QVERIFY(window->desktop().isQuitting());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

int main(int argc, char *argv[])
{
    previewEngine::prepare();
    QApplication app(argc, argv);
    applyAppearance(app);
    SecondaryWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_secondarywindows.moc"
