// What a hostile or careless hand gives the program: special files and files
// over the limits at Open and Save, a listing that reloads itself in the
// preview, and the source box kept true to the listing while it is edited.
#include "app/appearance.h"
#include "app/mainwindow.h"
#include "app/previewengine.h"
#include "browserengine.h"
#include "formfixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <fcntl.h>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    void refusedAtOpen_data();
    void refusedAtOpen();
    void selfRefreshingListingLoadedOnce_data();
    void selfRefreshingListingLoadedOnce();
    void sourceBoxFollowsTheListing();

private:
    QTemporaryDir temp;
};

// Special files, and regular files over Open's limits; the message names
// the file and what was wrong with it.
void HostileInputTest::refusedAtOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    for (const char *kind : {"pipe", "socket", "folder"})
        QTest::newRow(kind) << kind << QByteArray() << "";
    QTest::newRow("over 1 MB") << "file" << QByteArray(1024 * 1024 + 1, ' ') << "1 MB";
    QTest::newRow("20001 lines") << "file" << QByteArray(20'000, '\r') << "20000 行";
    QTest::newRow("a line over 16 KB") << "file" << QByteArray(16 * 1024 + 1, 'A') << "16 KB";
}

// Nothing may wait on the file, and Save puts no memo file in the place of
// a special one.
void HostileInputTest::refusedAtOpen()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    const QString path = temp.filePath(kind + ".qip");
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, name, sizeof address.sun_path);
    QFile file(path);
    QVERIFY(kind == "pipe"     ? mkfifo(name, 0600) == 0
            : kind == "socket" ? bind(socket(AF_UNIX, SOCK_STREAM, 0),
                                      reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            : kind == "folder" ? QDir().mkpath(path)
                               : file.open(QIODevice::WriteOnly) && file.write(content) > 0);
    file.close();
    FormFixture f;
    f.form.Text1.setText("そのままのタイトル");
    const QString listing = f.s.syuturyoku;
    // Should Open wait on a pipe, a writer comes after a second and lets it go.
    std::promise<void> returned;
    bool released = false;  // read after join()
    std::thread watchdog([&, done = returned.get_future()] {
        if (done.wait_for(std::chrono::seconds(1)) == std::future_status::timeout)
            released = close(open(name, O_WRONLY | O_NONBLOCK)) == 0;
    });
    f.ui.fileNames << path << path;
    f.form.openMemo();
    returned.set_value();
    watchdog.join();
    QVERIFY(!released);
    QCOMPARE(f.ui.asked.size(), 2);  // whether to give up the title, then why the file is refused
    QVERIFY2(f.ui.asked[1].contains(path) && f.ui.asked[1].contains(reason), qPrintable(f.ui.asked[1]));
    QCOMPARE(f.form.Text1.text(), "そのままのタイトル");
    QCOMPARE(f.s.syuturyoku, listing);
    if (kind == "file") {  // Save names the same limit, and writes nothing when told No
        f.form.Text2.setText(QString::fromLatin1(content));
        f.ui.answers << UserInterface::no;
        f.form.saveMemo();
        QVERIFY2(f.ui.asked.size() == 3 && f.ui.asked[2].contains(reason), qPrintable(f.ui.asked.last()));
        QCOMPARE(f.ui.fileDialogs.size(), 1);
        return;
    }
    f.form.saveMemo();
    QCOMPARE(f.ui.asked.size(), 3);
    QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
}

void HostileInputTest::selfRefreshingListingLoadedOnce_data()
{
    QTest::addColumn<QString>("description");
    QTest::newRow("refresh") << "<meta http-equiv=refresh content=0>一度だけ";
    QTest::newRow("redirect to itself")
        << "<meta http-equiv=\"refresh\" content=\"0;url=prev.html\">一度だけ";
}

void HostileInputTest::selfRefreshingListingLoadedOnce()
{
    SKIP_WITHOUT_BROWSER_ENGINE();
    QFETCH(QString, description);
    MainWindow window(temp.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.form().Text2.setText(description);
    QTest::mouseClick(window.findChild<QWidget *>("Command3"), Qt::LeftButton);
    QWebEngineView *view = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        view = view ? view : top->findChild<QWebEngineView *>("WebBrowser1");
    QVERIFY(view);
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    // The page's own reload comes once the listing has loaded, and is refused.
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 2, 20000);
    QCOMPARE(loaded[0][0].toBool(), true);
    QCOMPARE(loaded[1][0].toBool(), false);
}

// The source box shows the listing, each CR LF, CR or LF as a line break,
// after edits in the middle of a long description; a pick that changes
// nothing leaves its caret and scroll where the user put them.
void HostileInputTest::sourceBoxFollowsTheListing()
{
    MainWindow window(temp.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MainForm &form = window.form();
    auto *description = window.findChild<QPlainTextEdit *>("Text2");
    auto *source = window.findChild<QPlainTextEdit *>("Text4");
    auto shownAsListing = [&] {
        return source->toPlainText() ==
               QString(form.state.syuturyoku).replace("\r\n", "\n").replace('\r', '\n');
    };
    QString text;
    for (int line = 0; line < 2000; ++line)
        text += QString("%1行目の説明です。\r\n").arg(line);
    form.Text2.setText(text);
    description->setFocus();
    QTextCursor middle = description->textCursor();
    middle.setPosition(text.size() / 2);
    description->setTextCursor(middle);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Return, Qt::Key_B, Qt::Key_Backspace, Qt::Key_Backspace,
                        Qt::Key_Delete, Qt::Key_Left, Qt::Key_Return}) {
        QTest::keyClick(description, key);
        QVERIFY2(shownAsListing(), QByteArray::number(key));
    }
    form.Text2.setText(form.Text2.text().mid(40));
    QVERIFY(shownAsListing());

    form.Combo4.pick(1);
    source->moveCursor(QTextCursor::Start);
    form.Combo4.pick(1);
    QCOMPARE(source->textCursor().position(), 0);
    QCOMPARE(source->verticalScrollBar()->value(), 0);
    form.Combo4.pick(2);
    QCOMPARE(source->textCursor().position(), source->document()->characterCount() - 1);
    QVERIFY(shownAsListing());
}

int main(int argc, char *argv[])
{
    previewEngine::prepare();
    QApplication app(argc, argv);
    applyAppearance(app);
    HostileInputTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_hostileinput.moc"
