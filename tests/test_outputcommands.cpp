// Preview, paste, help and exit over a scripted desktop.
#include "formfixture.h"
#include "memo/cp932.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class OutputCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void previewAndPaste_data();
    void previewAndPaste();
    void helpTextAndExitAnswer();
};

void OutputCommandsTest::previewAndPaste_data()
{
    QTest::addColumn<bool>("afterNew");
    QTest::addColumn<bool>("unwritable");
    QTest::newRow("start-up") << false << false;
    QTest::newRow("after New") << true << false;
    QTest::newRow("directory at prev.html") << false << true;  // stops root too
}

// Both take the listing, not the source box, and each leaves the other's
// output alone.
void OutputCommandsTest::previewAndPaste()
{
    QFETCH(bool, afterNew);
    QFETCH(bool, unwritable);
    QTemporaryDir folder;
    const QString path = folder.filePath("prev.html");
    if (unwritable)
        QVERIFY(QDir(folder.path()).mkdir("prev.html"));
    FormFixture f(folder.path());
    if (afterNew)
        f.form.newMemo();
    const QString listing = f.s.syuturyoku;
    const qint16 edited = f.s.editedFlag;
    QVERIFY(!listing.isEmpty() && f.form.Text4.text() != listing);
    QSignalSpy focus(&f.form.Text1, &Control::focusRequested);

    f.form.preview();
    if (unwritable) {
        QVERIFY(f.ui.previews.isEmpty() && f.ui.messages.size() == 1);
        QVERIFY(f.ui.messages[0].startsWith("ルミタ|") && f.ui.messages[0].contains(path));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(cp932::decode(file.readAll()), listing + "\r\n");
    QVERIFY(f.ui.previews == QStringList{path} && f.ui.clipboardClears == 0 && focus.count() == 1);
    QVERIFY(file.remove());
    f.form.paste();
    QCOMPARE(f.ui.clipboard, listing);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(focus.count(), 2);
    QVERIFY(f.s.syuturyoku == listing && f.s.editedFlag == edited);
}

void OutputCommandsTest::helpTextAndExitAnswer()
{
    const QStringList expected{
        "［ＨＥＬＰ］", "",
        "■新規作成■＞＞左上のメニューに新規作成があります。「作成中の文章は失われます」", "",
        "■プレビュー■＞＞すべて入力が済みましたら下のプレビューを押してください。", "",
        "■貼り付け状態■＞＞貼り付け状態にするとオークションの説明欄に右クリックで貼り付け出来ます。", "",
        "■タイトルサイズ■＞＞左下のタイトルサイズで大きさを変更できます。", "",
        "■省略項目■＞＞左下の支払い（銀行振り込み）その他省略にチェックを入れると省略出来ます。", "",
        "■書き換え■＞＞文字を入力後でも標準・カスタム等を変更すると背景だけが変更されます。", "",
        "■銀行の文字色■＞＞標準枠の銀行の文字色は青に固定されています。", "",
        "■JPNETBANK■＞＞チェックを入れるとジャパンネットバンク決算と表示されます。", "",
        "■HTMLソース■＞＞HTMLの進行状況が見れます。この部分が貼り付けされます。",
    };
    QCOMPARE(MainForm::helpText().split("\r\n"), expected);

    FormFixture f;
    f.ui.answers = {UserInterface::no};
    f.form.exitProgram();
    QVERIFY(f.s.confirmAnswer == UserInterface::no && f.ui.quits == 0);
}

QTEST_GUILESS_MAIN(OutputCommandsTest)
#include "test_outputcommands.moc"
