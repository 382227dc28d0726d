// One seller's whole road through the real window, driven by key and mouse
// events, with the dialogs answered as a user answers them. At each step the
// window's listing, the saved bytes, prev.html and the clipboard are set
// against a core form given the same inputs.
#include "app/appearance.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/previewengine.h"
#include "browserengine.h"
#include "dialogscript.h"
#include "formfixture.h"
#include "memo/cp932.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMimeData>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void sellersRoad();
};

static void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const int key = c == '\n' ? int(Qt::Key_Return) : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

static void pickFromList(QComboBox *list, int index)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(index, 0)).center());
    QTRY_VERIFY(!view->isVisible());
}

static QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void EndToEndTest::sellersRoad()
{
    QTemporaryDir folder;  // the program's folder: pictures in, prev.html out
    for (const char *picture : {"hime.jpg", "hime2.jpg", "kime.jpg", "kime2.jpg"})
        QVERIFY(QFile::copy(qEnvironmentVariable("RUMITA_PICTURES") + '/' + picture, folder.filePath(picture)));
    const QString memo = folder.filePath("出品.qip");

    MainWindow window(folder.path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    FormFixture expected(folder.path());
    auto w = [&window](const char *name) { return window.findChild<QWidget *>(name); };
    auto listing = [&window] { return window.findChild<QPlainTextEdit *>("Text4")->toPlainText(); };
    // The source box shows each CR, alone or before LF, as a line break.
    auto shown = [](const QString &text) { return QString(text).replace("\r\n", "\n").replace('\r', '\n'); };
    DialogScript dialogs;

    type(w("Text1"), "限定品ｶﾒﾗ <新品>");
    expected.form.Text1.setText("限定品ｶﾒﾗ <新品>");
    type(w("Text2"), "一行目\n二行目〜");
    expected.form.Text2.setText("一行目\r\n二行目〜");
    type(w("Text3"), "送料無料");
    expected.form.Text3.setText("送料無料");
    for (const char *box : {"Check20", "Check7", "Check5"}) {
        QTest::mouseClick(w(box), Qt::LeftButton);
        expected.form.findChild<CheckBox *>(box)->click();
    }
    pickFromList(qobject_cast<QComboBox *>(w("Combo4")), 2);
    expected.form.Combo4.pick(2);
    QCOMPARE(listing(), shown(expected.s.syuturyoku));
    QCOMPARE(window.form().state.syuturyoku, expected.s.syuturyoku);

    QTest::mouseClick(w("Check11"), Qt::LeftButton);
    expected.form.Check11.click();
    pickFromList(qobject_cast<QComboBox *>(w("Combo2")), 6);
    expected.form.Combo2.pick(6);
    pickFromList(qobject_cast<QComboBox *>(w("Combo3")), 3);
    expected.form.Combo3.pick(3);
    QCOMPARE(window.form().state.syuturyoku, expected.s.syuturyoku);
    QVERIFY(expected.s.syuturyoku.contains("bgcolor=#EFF0B0  height"));
    const QString custom = expected.s.syuturyoku;

    auto menu = [&window](const char *name) { window.menuBar()->findChild<QAction *>(name)->trigger(); };
    dialogs.expect({{{}, memo}});
    menu("IME_hozon");
    QTRY_VERIFY(dialogs.done());
    const QString expectedMemo = expected.s.appFolder + "expected.qip";
    expected.ui.fileNames << expectedMemo;
    expected.form.saveMemo();
    QCOMPARE(contents(memo), contents(expectedMemo));
    QVERIFY(contents(memo).contains("\x88\xea\x8d\x73\x96\xda\r\n"));  // 一行目 and its CR LF

    dialogs.expect({{QMessageBox::Yes, {}}});
    menu("IDM_sinki");
    QTRY_VERIFY(dialogs.done());
    expected.form.newMemo();
    QCOMPARE(listing(), QString());
    QCOMPARE(window.form().state.syuturyoku, expected.s.syuturyoku);
    QCOMPARE(window.findChild<QLineEdit *>("Text1")->text(), QString());

    dialogs.expect({{{}, memo}});  // no question: nothing edited since New
    menu("IME_hirak");
    QTRY_VERIFY(dialogs.done());
    expected.ui.fileNames << memo;
    expected.form.openMemo();
    QCOMPARE(listing(), shown(expected.s.syuturyoku));
    QCOMPARE(window.form().state.syuturyoku, expected.s.syuturyoku);
    QVERIFY(expected.s.syuturyoku.contains(" ></center><center>限定品ｶﾒﾗ <新品>"));
    QCOMPARE(qobject_cast<QCheckBox *>(w("Check11"))->checkState(), Qt::Checked);
    QCOMPARE(qobject_cast<QComboBox *>(w("Combo3"))->currentText(), "黄　色");
    // Open builds the frame switch's spelling, and the wave dash comes back in
    // the code page's own form.
    QCOMPARE(QString(custom).replace("size=9></center>", "size=9 ></center>").replace(u'〜', u'～'),
             expected.s.syuturyoku);

    dialogs.expect({{QMessageBox::Ok, {}}});
    QTest::mouseClick(w("Command2"), Qt::LeftButton);
    QTRY_VERIFY(dialogs.done());
    QCOMPARE(QApplication::clipboard()->text(), expected.s.syuturyoku);
    QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(dialogs.answered.last(),
             "ルミタ|※貼り付け状態になりました!\r\n\r\nオークションの説明欄へ右クリック＞貼り付けしてください。");

    SKIP_WITHOUT_BROWSER_ENGINE();
    QTest::mouseClick(w("Command3"), Qt::LeftButton);
    QCOMPARE(contents(folder.filePath("prev.html")), cp932::encode(expected.s.syuturyoku + "\r\n"));
    QWidget *preview = nullptr;
    QTRY_VERIFY((preview = [] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == "Form2" && top->isVisible())
                return top;
        return static_cast<QWidget *>(nullptr);
    }()));
    auto *browser = preview->findChild<QWebEngineView *>("WebBrowser1");
    QString page;
    QTRY_VERIFY_WITH_TIMEOUT(
        (browser->page()->toPlainText([&page](const QString &text) { page = text; }),
         page.contains("限定品ｶﾒﾗ <新品>") && page.contains("○ジャパンネットバンク決算")),
        30000);

    window.desktop().closeSecondaryWindows();
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
