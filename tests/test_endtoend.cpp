// A seller's whole road through the real windows, with the dialogs answered as
// a user answers them: the saved bytes, New, Open, the clipboard, prev.html and
// the page the browser engine shows, help, and the way out.
#include "app/appearance.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/previewengine.h"
#include "app/previewwindow.h"
#include "browserengine.h"
#include "memo/cp932.h"
#include "windowdriver.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>

class EndToEndTest : public QObject {
    Q_OBJECT
public slots:
    void openOutside(const QUrl &url) { opened << url; }  // stands in for the desktop's browser

private slots:
    void halfWidthKatakanaAlone();
    void sellersRoad();  // last: it ends the program

private:
    QList<QUrl> opened;
};

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

static QWidget *shown(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

static QString pageText(QWebEngineView *view)
{
    auto text = std::make_shared<std::optional<QString>>();
    view->page()->toPlainText([text](const QString &t) { *text = t; });
    return QTest::qWaitFor([text] { return text->has_value(); }, 10000) ? **text : QString();
}

void EndToEndTest::sellersRoad()
{
    QTemporaryDir temp;  // the program's folder, with a name as sellers' folders have
    const QString folder = temp.filePath("ルミタ 出品");
    QVERIFY(QDir().mkpath(folder));
    MainWindow window(folder);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto w = [&window](const char *name) { return window.findChild<QWidget *>(name); };
    auto menu = [&window](const char *name) { window.findChild<QAction *>(name)->trigger(); };
    auto source = [&] { return qobject_cast<QPlainTextEdit *>(w("Text4"))->toPlainText(); };
    DialogScript dialogs;

    type(w("Text1"), "限定品ｶﾒﾗ <新品>");
    type(w("Text2"), "一行目\n二行目");
    for (const char *box : {"Check20", "Check7"})
        QTest::mouseClick(w(box), Qt::LeftButton);
    pick(qobject_cast<QComboBox *>(w("Combo4")), 2);
    const QString memo = folder + "/出品.qip";
    dialogs.expect({{{}, memo}});
    menu("IME_hozon");
    QTRY_VERIFY(dialogs.done());
    const QString M = "<qip.$>";
    QCOMPARE(contents(memo), cp932::encode("限定品ｶﾒﾗ <新品>" + M + "一行目\r\n二行目" + M + M + "1" + M + "1" + M +
                                           "0" + M + "0" + M + "1" + M + ("0" + M).repeated(6) + "2" + M + "1" + M +
                                           ("0" + M).repeated(6) + M.repeated(31) + "\r\n"));
    QVERIFY(dialogs.answered.last().endsWith("|ルミタファイル (*.qip)"));

    dialogs.expect({{QMessageBox::Yes, {}}, {{}, memo}});  // New asks; Open after New does not
    menu("IDM_sinki");
    QVERIFY(source().isEmpty() && qobject_cast<QLineEdit *>(w("Text1"))->text().isEmpty());
    menu("IME_hirak");
    QTRY_VERIFY(dialogs.done());
    QCOMPARE(dialogs.answered.mid(1, 1), QStringList{"新規作成|現在のデーターは失われます！\r\n  新規作成しますか？"});
    QCOMPARE(qobject_cast<QLineEdit *>(w("Text1"))->text(), "限定品ｶﾒﾗ <新品>");
    QVERIFY(qobject_cast<QCheckBox *>(w("Check7"))->isChecked() && !qobject_cast<QCheckBox *>(w("Check2"))->isChecked());
    QCOMPARE(qobject_cast<QComboBox *>(w("Combo4"))->currentText(), "特大");
    QVERIFY(source().contains("<font color=#000000 size=9>限定品ｶﾒﾗ <新品></font></Tr></td>"));
    QVERIFY(source().contains("<font color=#000000>一行目\n<br>二行目</font>"));

    const QString listing = window.form().state.syuturyoku;
    QCOMPARE(QString(listing).replace('\r', '\n'), source());
    dialogs.expect({{QMessageBox::Ok, {}}});
    QTest::mouseClick(w("Command2"), Qt::LeftButton);
    QTRY_VERIFY(dialogs.done());
    QCOMPARE(QApplication::clipboard()->text(), listing);
    QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(dialogs.answered.last(), "ルミタ|※貼り付け状態になりました!\r\n\r\nオークションの説明欄へ右クリック＞貼り付けしてください。");

    if (!browserEngineKeptOut()) {
        // Japanese shows, scripts do not run, and a link opens in the desktop's
        // browser while the preview keeps the listing.
        QDesktopServices::setUrlHandler("https", this, "openOutside");
        const QUrl item("https://auction.example/item/1");
        type(w("Text2"), "<script>document.write('ran');</script><a href=\"" + item.toString() +
                             "\" style=\"display:block; height:1000px\">商品ページ</a>");
        QTest::mouseClick(w("Command3"), Qt::LeftButton);
        QCOMPARE(contents(folder + "/prev.html"), cp932::encode(window.form().state.syuturyoku + "\r\n"));
        QWidget *preview = shown("Form2");
        QVERIFY(preview);
        QCOMPARE(preview->windowTitle(), "プレビュー");
        auto *view = preview->findChild<QWebEngineView *>("WebBrowser1");
        QTRY_VERIFY_WITH_TIMEOUT(pageText(view).contains("○ジャパンネットバンク決算"), 30000);
        const QString page = pageText(view);
        QVERIFY2(page.contains("限定品ｶﾒﾗ <新品>") && page.contains("商品ページ") && !page.contains("ran"), qPrintable(page));
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(300, 300));
        QTRY_COMPARE_WITH_TIMEOUT(opened, QList<QUrl>{item}, 10000);
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(pageText(view), page);
        type(w("Text1"), "二回目");  // the next preview reloads the same window
        QTest::mouseClick(w("Command3"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(pageText(view).contains("二回目"), 30000);
        QCOMPARE(shown("Form2"), preview);
    }

    menu("idm_kidou");
    QVERIFY(shown("form3"));
    dialogs.expect({{QMessageBox::No, {}}});  // a close request refused
    QVERIFY(!window.close());
    QVERIFY(window.isVisible() && shown("form3"));
    dialogs.expect({{QMessageBox::Yes, {}}});  // the exit entry ends everything
    menu("IDM_owari");
    QCOMPARE(dialogs.answered.mid(dialogs.answered.size() - 2),
             QStringList(2, "終了しますか？|ルミタを終了しますか？"));
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
}

// Without the charset the engine takes these bytes, alone in the file, for Cyrillic.
void EndToEndTest::halfWidthKatakanaAlone()
{
    SKIP_WITHOUT_BROWSER_ENGINE();
    QTemporaryDir folder;
    const QString katakana = "ｱｲｳｴｵ ｶｷｸｹｺ ｻｼｽｾｿ ﾀﾁﾂﾃﾄ ﾅﾆﾇﾈﾉ ﾊﾋﾌﾍﾎ ﾏﾐﾑﾒﾓ ﾔﾕﾖ ﾗﾘﾙﾚﾛ ﾜｦﾝ";
    QFile file(folder.filePath("prev.html"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cp932::encode(katakana + "\r\n")) > 0);
    file.close();
    PreviewWindow alone;
    QSignalSpy loaded(alone.browser(), &QWebEngineView::loadFinished);
    alone.showFile(file.fileName());
    QVERIFY(loaded.wait(20000));
    QCOMPARE(pageText(alone.browser()), katakana);
}

int main(int argc, char *argv[])
{
    previewEngine::prepare();
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    applyAppearance(app);
    EndToEndTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_endtoend.moc"
