// Preview, paste, help and exit over a scripted desktop, with a temporary
// program folder.
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
    void bothCommandsTakeTheListingNotTheSourceBox_data();
    void bothCommandsTakeTheListingNotTheSourceBox();
    void previewFileBytes();
    void unwritablePreviewFileIsReported();
    void helpTextAndExitAnswer();

private:
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void OutputCommandsTest::bothCommandsTakeTheListingNotTheSourceBox_data()
{
    QTest::addColumn<bool>("afterNew");
    QTest::newRow("start-up") << false;
    QTest::newRow("after New") << true;
}

void OutputCommandsTest::bothCommandsTakeTheListingNotTheSourceBox()
{
    QFETCH(bool, afterNew);
    QTemporaryDir folder;
    FormFixture f(folder.path());
    if (afterNew)
        f.form.newMemo();
    const QString listing = f.s.syuturyoku;
    const qint16 edited = f.s.editedFlag;
    QVERIFY(!listing.isEmpty());
    QVERIFY(f.form.Text4.text() != listing);
    QSignalSpy focus(&f.form.Text1, &Control::focusRequested);

    f.form.preview();
    const QString path = folder.filePath("prev.html");
    QCOMPARE(f.ui.previews, QStringList{path});
    QCOMPARE(cp932::decode(read(path)), listing + "\r\n");
    QCOMPARE(f.ui.clipboardClears, 0);  // preview leaves the clipboard alone
    QCOMPARE(focus.count(), 1);

    QFile::remove(path);
    f.form.paste();
    QCOMPARE(f.ui.clipboard, listing);
    QVERIFY(!QFile::exists(path));  // paste leaves the file alone
    QCOMPARE(focus.count(), 2);
    QCOMPARE(f.s.syuturyoku, listing);
    QCOMPARE(f.s.editedFlag, edited);
}

void OutputCommandsTest::previewFileBytes()
{
    QTemporaryDir folder;
    FormFixture f(folder.path());
    f.form.Text1.setText("最初");
    f.form.preview();
    f.form.Text1.setText("ﾃｽﾄ表示");
    f.form.Text2.setText("一行目\r\n二行目");
    f.form.preview();
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"prev.html"});
    const QByteArray bytes = read(folder.filePath("prev.html"));
    QVERIFY(bytes.startsWith("<center>"));
    QVERIFY(bytes.endsWith("</body>\r\n"));
    QCOMPARE(bytes.count("\r\n"), 1);  // the typed break stays "\r<br>"
    QVERIFY(bytes.contains("\xc3\xbd\xc4\x95\x5c\x8e\xa6"));  // ﾃｽﾄ表示 in code page 932
    QVERIFY(bytes.contains("\x88\xea\x8d\x73\x96\xda\r<br>\x93\xf1"));  // 一行目\r<br>二
}

void OutputCommandsTest::unwritablePreviewFileIsReported()
{
    // A directory in the file's place: a read-only folder does not stop root.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("prev.html"));
    FormFixture f(folder.path());
    const QString listing = f.s.syuturyoku;
    f.form.preview();
    QVERIFY(f.ui.previews.isEmpty());
    QCOMPARE(f.ui.messages.size(), 1);
    QVERIFY(f.ui.messages[0].startsWith("ルミタ|"));
    QVERIFY(f.ui.messages[0].contains(folder.filePath("prev.html")));
    QCOMPARE(f.s.syuturyoku, listing);
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
    QCOMPARE(MainForm::helpText().count('\n'), 18);  // no bare line feeds

    // No to the exit question is kept and ends nothing.
    FormFixture f;
    f.ui.answers = {UserInterface::no};
    f.form.exitProgram();
    QCOMPARE(f.s.confirmAnswer, UserInterface::no);
    QCOMPARE(f.ui.quits, 0);
}

QTEST_GUILESS_MAIN(OutputCommandsTest)
#include "test_outputcommands.moc"
