// The real windows under a virtual display, through real keys, clicks and
// rendered pixels: how they look, set against pictures in tests/data/golden
// (rewritten by scripts/golden.sh when the look is meant to change), at each
// scale and on a dark desktop; keys through every kind of control, a picture
// on the clipboard among them; the tab order; long titles; what a screen
// reader reads; the source box; and a seller's whole road through the windows
// with answered dialogs: memo files shown whole, typed into, saved, cleared
// and opened again, down to the page the preview program shows, or its failure.
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/typinglimit.h"
#include "tests/support/browserengine.h"
#include "tests/support/checks.h"
#include "tests/support/formfixture.h"
#include "tests/support/windowhelpers.h"
#include "tests/support/windowtests.h"
#include "tests/support/x11window.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>

// Types any text as an input method delivers it; "\n" presses Return.
static void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, c == '\n' ? Qt::Key_Return : Qt::Key(0), c, Qt::NoModifier);
}

// The visible top-level window of that name.
static QWidget *shown(const QString &name)
{
    const QWidgetList all = QApplication::topLevelWidgets();
    const auto it = std::find_if(all.begin(), all.end(), [&](QWidget *w) { return w->objectName() == name && w->isVisible(); });
    return it == all.end() ? nullptr : *it;
}

// Every caption and list item of a window that its control cannot show whole,
// measured against the room the style lays out for it.
static QStringList clippedTexts(QWidget *window)
{
    QStringList clipped;
    auto check = [&clipped](QWidget *w, const QString &text, qreal room) {
        if (QFontMetricsF(w->font()).horizontalAdvance(text) > room)
            clipped << w->objectName() + ": " + text;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        QStyleOptionButton button;
        button.initFrom(w);
        if (auto *box = qobject_cast<QCheckBox *>(w))
            check(w, box->text(), w->style()->subElementRect(QStyle::SE_CheckBoxContents, &button, w).width());
        else if (auto *push = qobject_cast<QPushButton *>(w))
            check(w, push->text(), w->style()->subElementRect(QStyle::SE_PushButtonContents, &button, w).width());
        else if (auto *list = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < list->count(); ++i)  // a line edit keeps 2 pixels a side and 1 for the caret
                check(w, list->itemText(i), list->lineEdit()->width() - 5);
    }
    return clipped;
}

// The controls in their tab order.
static const QStringList tabOrderNames{"Text1",  "Check2",   "Check3",   "Check4", "Check5",  "Check6",  "Check7",
                                       "Check8", "Text2",    "Text3",    "Check9", "Check11", "Combo1",  "Combo2",
                                       "Combo3", "Command2", "Command3", "Combo4", "Check12", "Check13", "Combo5",
                                       "Combo6", "Check20",  "Check1",   "Text4",  "Combo7"};

// A path of keys through one control and what the window shows after it:
// the text typed first (into a list's text part in place of its text), the
// keys then pressed, by their names on a keyboard; the control's text or a
// box's tick; a piece of the source box, which stays empty while the listing
// is not refreshed; where the focus is; a control greyed out by it.
struct KeyPath {
    QString control, typed, keys, shown, inSource, focus, greyed;
};
Q_DECLARE_METATYPE(KeyPath)

// A look of the windows: the controls clicked first ("idm_kidou" opens the
// help); the picture in tests/data/golden, none at another scale; the scale,
// "" for this program, else a child started at that scale (a dark theme stays
// with a program: those rows run in a child at 1); a dark desktop theme with
// a large font for every kind of widget.
struct Look {
    QStringList clicks;
    QString golden, scale;
    bool dark;
};
Q_DECLARE_METATYPE(Look)

// A title typed: one from a file first, some Backspaces, keys typed and a
// conversion committed as an input method commits it; what the box then
// shows, and whether the bell rang.
struct TitleTyping {
    QString fromFile;
    int backspaces;
    QString typed, committed, expected;
    bool bell;
};
Q_DECLARE_METATYPE(TitleTyping)

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete window; }

    // How the windows look, at each scale and on a dark desktop.
    void looksAsDesigned_data();
    void looksAsDesigned();
    // What the controls show and where the focus goes after keys.
    void keyPaths_data();
    void keyPaths();
    void tabOrder();
    void titleTypingLimit_data();
    void titleTypingLimit();
    // The screen reader and the source box.
    void fieldsAreNamedByTheirCaptions();
    void sourceBoxFollowsTheListing_data();
    void sourceBoxFollowsTheListing();
    // Other desktops, run alone by tests/test_wayland.sh and tests/test_inputmethod.sh.
    void survivesCompositorMaximise();
    void inputMethodWordsLandOnce_data();
    void inputMethodWordsLandOnce();

    // A seller's road through the windows.
    void memoFilesShownWhole();
    void previewSurvivesItsProgram();
    void exitClosesEveryWindow();  // last: it ends the program

private:
    QWidget *widget(const QString &name) const { return window->findChild<QWidget *>(name); }
    QString focusName() const { return window->focusWidget() ? window->focusWidget()->objectName() : "nothing"; }
    void click(const QString &name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void menu(const char *name) { window->findChild<QAction *>(name)->trigger(); }
    QPlainTextEdit *sourceBox() const { return window->findChild<QPlainTextEdit *>("Text4"); }
    // The source box catches up with the listing once the events are handled.
    QString source() const { return QCoreApplication::processEvents(), sourceBox()->toPlainText(); }
    void answer(QStringList answers);
    QString shownText(QWidget *control) const;
    QStringList shownControls() const;

    QTemporaryDir folder;  // the program's folder: pictures in, prev.html out
    MainWindow *window = nullptr;
    QStringList answered;  // "title|text|icon" of each message box answered,
                           // "folder|title|filter|name" of a file dialog
};

// Answers the next modal dialogs in turn as they show: presses a message
// box's "Yes", "No" or "OK", or types the name into the file dialog and accepts it.
void MainWindowTest::answer(QStringList answers)
{
    auto *timer = new QTimer(window);
    connect(timer, &QTimer::timeout, this, [this, timer, answers]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || answers.isEmpty())
            return;
        if (const auto shown = answerDialog(modal, answers.takeFirst()))
            answered << *shown;
        if (answers.isEmpty())
            timer->stop(), timer->deleteLater();
    });
    timer->start(20);
}

// What a seller sees of a control: a box's text, a list's shown item, or a
// check box's tick.
QString MainWindowTest::shownText(QWidget *control) const
{
    if (auto *check = qobject_cast<QCheckBox *>(control))
        return QStringList{"unticked", "grey tick", "ticked"}.value(check->checkState());
    if (auto *list = qobject_cast<QComboBox *>(control))
        return list->currentText();
    return control->property(qobject_cast<QPlainTextEdit *>(control) ? "plainText" : "text").toString();
}

// Each input control in tab order, "name: shown text", and ", greyed" when it is.
QStringList MainWindowTest::shownControls() const
{
    QStringList controls;
    for (const QString &name : tabOrderNames.filter(QRegularExpression("^(Text[123]|Check\\d+|Combo\\d)$")))
        controls << name + ": " + shownText(widget(name)) + (widget(name)->isEnabled() ? "" : ", greyed");
    return controls;
}

void MainWindowTest::init()
{
    answered.clear();
    // kime.jpg and kime2.jpg are left out: Image2 keeps the design picture.
    prepareProgramFolder(folder.path(), qEnvironmentVariable("RUMITA_PICTURES"), {"hime.jpg", "hime2.jpg"});
    window = new MainWindow(folder.path());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void MainWindowTest::looksAsDesigned_data()
{
    QTest::addColumn<Look>("row");
    const QStringList help{"idm_kidou"};
    QTest::newRow("start") << Look{{}, "start", "", false};
    QTest::newRow("custom") << Look{{"Check11", "Check7", "Check12", "Check13"}, "custom", "", false};
    QTest::newRow("help") << Look{help, "help", "", false};
    QTest::newRow("start, dark desktop") << Look{{}, "start", "1", true};
    QTest::newRow("help, dark desktop") << Look{help, "help", "1", true};
    QTest::newRow("scale 1.5") << Look{help, "", "1.5", false};
    QTest::newRow("scale 2") << Look{help, "", "2", false};
}

// Pixels further apart than this in a colour channel differ; a few may, at
// the odd anti-aliased edge.
static constexpr int channelTolerance = 16, differingPixelsAllowed = 2;

void MainWindowTest::looksAsDesigned()
{
    QFETCH(Look, row);
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != row.scale) {
        // A scale factor holds from a program's start, a theme for its life:
        // this row runs in a child, whose report shows in this one's output.
        qputenv("QT_SCALE_FACTOR", row.scale.toLatin1());
        const int failures =
            QProcess::execute(QCoreApplication::applicationFilePath(), {"looksAsDesigned:" + QString(QTest::currentDataTag())});
        qunsetenv("QT_SCALE_FACTOR");
        QCOMPARE(failures, 0);
        return;
    }
    const auto menuLook = [this] { return widget("IDM_FILE")->adjustSize(), widget("IDM_FILE")->grab().toImage(); };
    const QImage menu = menuLook();
    if (row.dark) {  // set as a desktop theme sets it: nothing may change
        QFont large("DejaVu Serif");
        large.setPixelSize(20);
        for (const char *kind : {"QWidget", "QLabel", "QCheckBox", "QPushButton", "QLineEdit", "QComboBox", "QPlainTextEdit",
                                 "QGroupBox", "QMenuBar", "QMenu"})
            QApplication::setPalette(QPalette(QColor(45, 45, 45)), kind), QApplication::setFont(large, kind);
        cleanup(), init();
    }
    type(widget("Text3"), row.clicks.size() > 1 ? "送料無料" : "");
    for (const QString &control : row.clicks)
        control == "idm_kidou" ? this->menu("idm_kidou") : click(qPrintable(control));
    QWidget *help = shown("form3"), *look = help ? help : window;
    window->setFocus();  // no caret: it blinks
    QCoreApplication::processEvents();
    QVERIFY(!look->windowIcon().isNull());
    QCOMPARE(clippedTexts(window) + (help ? clippedTexts(help) : QStringList()), QStringList());
    QCOMPARE(menuLook(), menu);
    const QImage shot = look->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (help)
        help->close();
    if (row.golden.isEmpty())  // no picture at this scale
        return;
    const QString path = qEnvironmentVariable("RUMITA_TEST_DATA") + "/golden/" + row.golden + ".png";
    if (qEnvironmentVariableIsSet("RUMITA_UPDATE_GOLDEN") && !row.dark)
        QVERIFY(shot.save(path));
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb a = shot.pixel(x, y), b = expected.pixel(x, y);
            differing +=
                qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))), qAbs(qBlue(a) - qBlue(b))) > channelTolerance;
        }
    QVERIFY2(differing <= differingPixelsAllowed, qPrintable(QString("%1 pixels differ from %2").arg(differing).arg(path)));
}

void MainWindowTest::keyPaths_data()
{
    QTest::addColumn<KeyPath>("path");
    QTest::newRow("title: Home, Del") << KeyPath{"Text1", "春のバッグ", "Home, Del", "のバッグ", ">のバッグ</font>", "Text1", ""};
    QTest::newRow("description: two lines, Up, End, Backspace")
        << KeyPath{"Text2", "一行目\n二行目", "Up, End, Backspace", "一行\n二行目", "一行\n<br>二行目", "Text2", ""};
    QTest::newRow("other notes: Tab leaves the box") << KeyPath{"Text3", "送料無料", "Tab", "送料無料", "送料無料", "Check9", ""};
    QTest::newRow("payment box: Space") << KeyPath{"Check7", "", "Space", "ticked", "○ジャパンネットバンク決算", "Check7", ""};
    QTest::newRow("payments omitted: Space")
        << KeyPath{"Check12", "", "Space", "ticked", "<center><body></table>", "Check12", "Check7"};
    QTest::newRow("notes omitted: Space") << KeyPath{"Check13", "", "Space", "ticked", "○銀行振り込み", "Check13", "Text3"};
    QTest::newRow("custom frame: Space") << KeyPath{"Check11", "", "Space", "ticked", "#3366cc", "Text1", "Combo1"};
    QTest::newRow("standard frame unticked: Space") << KeyPath{"Check1", "", "Space", "unticked", "#3366cc", "Text1", "Combo5"};
    QTest::newRow("description: Ctrl+V of a picture") << KeyPath{"Text2", "説明", "Ctrl+V", "説明", ">説明</font>", "Text2", ""};
    QTest::newRow("list: Ctrl+V of a picture") << KeyPath{"Combo1", "", "Ctrl+V", "青　色", "", "Combo1", ""};
    QTest::newRow("list: an item typed, Tab") << KeyPath{"Combo1", "ピンク", "Tab", "ピンク", "", "Command2", ""};
    QTest::newRow("list: Enter on the closed list") << KeyPath{"Combo1", "", "Return", "青　色", "", "Combo1", ""};
    QTest::newRow("list: Escape on the open list") << KeyPath{"Combo1", "", "Down, Down, Escape", "青　色", "", "Combo1", ""};
    QTest::newRow("list: arrows, Enter") << KeyPath{"Combo1", "", "Down, Down, Return", "茶　色", "#450526", "Text1", ""};
    QTest::newRow("list: Up, Enter on the item shown") << KeyPath{"Combo1", "", "Up, Return", "青　色", "#3366cc", "Text1", ""};
    QTest::newRow("title size: an item typed, Enter") << KeyPath{"Combo4", "特大", "Return", "特大", "", "Combo4", ""};
}

void MainWindowTest::keyPaths()
{
    QFETCH(KeyPath, path);
    auto *picture = new QMimeData;  // which no box takes
    picture->setImageData(QImage(8, 8, QImage::Format_RGB32));
    QApplication::clipboard()->setMimeData(picture);
    QWidget *control = widget(path.control);
    auto *list = qobject_cast<QComboBox *>(control);
    control->setFocus();
    QTRY_COMPARE(focusName(), path.control);
    if (list && !path.typed.isEmpty())
        list->lineEdit()->selectAll();
    type(list ? list->lineEdit() : control, path.typed);
    for (const QString &name : path.keys.split(", ", Qt::SkipEmptyParts)) {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(list && list->view()->isVisible() ? list->view() : QApplication::focusWidget(), key.key(),
                        key.keyboardModifiers());
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(focusName(), path.focus);
    QCOMPARE(shownText(control), path.shown);
    QVERIFY2(path.inSource.isEmpty() ? source().isEmpty() : source().contains(path.inSource), qPrintable(source()));
    if (!path.greyed.isEmpty())
        QCOMPARE(widget(path.greyed)->isEnabled(), false);
}

// Tab goes once round the window and Shift+Tab back, over the controls the
// frame style leaves usable, also after a pick in each list.
void MainWindowTest::tabOrder()
{
    for (const bool custom : {false, true}) {
        const QStringList cycle = tabOrderNames.filter(QRegularExpression(custom ? "^(?!Combo[15]$)" : "^(?!Combo[2367]$)"));
        if (custom)
            click("Check11");
        for (const QString &name : custom ? cycle.filter("Combo") : QStringList())  // a pick by keys in each list
            QTest::keyClick(widget(name), Qt::Key_Down),
                QTest::keyClick(window->findChild<QComboBox *>(name)->view(), Qt::Key_Return);
        widget("Text1")->setFocus();
        QTRY_COMPARE(focusName(), "Text1");
        for (int i = 1, n = cycle.size(); i <= 2 * n; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, i > n ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(focusName(), cycle.at(i > n ? 2 * n - i : i % n));
        }
    }
}

// The title takes 30 characters, or as many as a title from a file had;
// it may be shortened, never lengthened by typing, and the bell rings when
// a keystroke or a conversion is cut. A pair at the limit goes in whole.
void MainWindowTest::titleTypingLimit_data()
{
    QTest::addColumn<TitleTyping>("row");
    const QString full(30, u'字'), long40 = QString(36, u'長') + "1234", none;
    QTest::newRow("typed past 30") << TitleTyping{none, 0, full + "字", none, full, true};
    QTest::newRow("conversion cut") << TitleTyping{none, 0, full.left(25), "一二三四五六七", full.left(25) + "一二三四五", true};
    QTest::newRow("conversion into a full box") << TitleTyping{none, 0, full, "追加", full, true};
    QTest::newRow("title from a file") << TitleTyping{long40, 0, none, none, long40, false};
    QTest::newRow("from a file, shortened") << TitleTyping{long40, 1, "ab", none, long40.chopped(1), true};
    QTest::newRow("from a file, cleared") << TitleTyping{long40, 40, full + "字", none, full, true};
    QTest::newRow("emoji at the 30th unit") << TitleTyping{none, 0, full.left(29), "😀ab", full.left(29) + "😀", true};
    QTest::newRow("emoji within") << TitleTyping{none, 0, "限定", "😀", "限定😀", false};
}

void MainWindowTest::titleTypingLimit()
{
    QFETCH(TitleTyping, row);
    auto *box = window->findChild<QLineEdit *>("Text1");
    QSignalSpy cut(box->findChild<TypingLimit *>(), &TypingLimit::cut);
    window->form().Text1.setText(row.fromFile);  // as Open sets it
    QTest::keyClick(box, Qt::Key_End);
    for (int i = 0; i < row.backspaces; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    type(box, row.typed);
    QInputMethodEvent conversion;
    conversion.setCommitString(row.committed);
    QApplication::sendEvent(box, &conversion);
    QCOMPARE(box->text(), row.expected);
    QVERIFY(source().contains(">" + row.expected + "<"));
    QCOMPARE(cut.count() > 0, row.bell);
}

// A list reports its current item as its name on this desktop; what names it
// for a screen reader is the caption it is labelled by.
void MainWindowTest::fieldsAreNamedByTheirCaptions()
{
    // clang-format off
    const char *const rows[][2] = {{"Text1", "タイトル"}, {"Text2", "説明本文"}, {"Text3", "その他"}, {"Text4", "HTMLソース"},
        {"Combo4", "タイトルサイズ"}, {"Combo1", "枠色"}, {"Combo5", "文色"}, {"Combo2", "左枠"}, {"Combo3", "右枠"},
        {"Combo6", "字色左"}, {"Combo7", "字色右"}, {"Check9", "スルガ銀行"}, {"Command3", "プレビュー"},
        {"Command2", "オークション貼付状態"}, {"Check12", "支払方法省　略"}, {"Frame2", "枠の選択"}};
    // clang-format on
    for (const auto &[control, name] : rows) {
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(widget(control));
        QStringList names{field->text(QAccessible::Name)};  // a list in a frame is labelled by the frame too
        for (const auto &label : field->relations(QAccessible::Label))
            names << label.first->text(QAccessible::Name);
        QVERIFY2(QByteArray(control).startsWith("Combo") ? names.contains(name) : names[0] == name, qPrintable(names.join(", ")));
    }
    // The payment boxes are a group.
    QAccessibleInterface *group = QAccessible::queryAccessibleInterface(widget("Check9"))->parent();
    QCOMPARE(group->role(), QAccessible::Grouping);
    QCOMPARE(group->text(QAccessible::Name), "支払方法");
    QCOMPARE(group->childCount(), 9);
    // The source box shows a caret once it has the focus.
    type(widget("Text3"), "送料無料");
    QWidget *sourceText = sourceBox()->viewport();
    const QImage unfocused = sourceText->grab().toImage();
    widget("Text4")->setFocus();
    QVERIFY(sourceText->grab().toImage() != unfocused);
}

// A random edit script of keys in a text box, over a short and a long
// text: right after every key, before any other event, the listing is what
// a rebuild from the box's text gives; once the events are handled, the
// source box shows the listing (each CR LF, CR or LF a line break) with its
// caret at the end. A pick that changes nothing leaves that caret and scroll
// where the user put them with the keys.
void MainWindowTest::sourceBoxFollowsTheListing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("short, other notes") << "Text3" << QString("説明\r\n");
    // Alike lines mislead a diff.
    QTest::newRow("long, description") << "Text2" << QString("同じ行の説明です。\r\n").repeated(2000);
}

void MainWindowTest::sourceBoxFollowsTheListing()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    MainForm &form = window->form();
    auto *typed = window->findChild<QPlainTextEdit *>(box);
    QPlainTextEdit *source = sourceBox();
    form.findChild<TextBoxModel *>(box)->setText(text);
    typed->setFocus();
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("random seed %u", seed);
    const auto rebuilt = [&] {
        FormFixture fresh;
        TextBoxModel *same = fresh.form.findChild<TextBoxModel *>(box);
        same->setText("-");  // so that even an empty text runs the handler
        same->setText(typed->toPlainText().replace('\n', "\r\n"));
        return fresh.s.syuturyoku;
    };
    const Qt::Key keys[] = {Qt::Key_A,    Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_V,
                            Qt::Key_Left, Qt::Key_Up,     Qt::Key_PageDown,  Qt::Key_End,    Qt::Key_Home};
    for (int step = 0; step < 60; ++step) {
        const Qt::Key key = keys[random.bounded(int(std::size(keys)))];
        const auto modifiers = key == Qt::Key_V ? Qt::ControlModifier : random.bounded(3) ? Qt::NoModifier : Qt::ShiftModifier;
        QApplication::clipboard()->setText(QString("貼り付け\n").repeated(random.bounded(3)) + "x");
        QTest::keyClick(typed, key, modifiers);
        if (key == Qt::Key_V)  // pasted whole, line breaks and all
            QVERIFY2(typed->toPlainText().contains(QApplication::clipboard()->text()), qPrintable(typed->toPlainText()));
        COMPARE_LISTING(form.state.syuturyoku, rebuilt());
        QCoreApplication::processEvents();
        COMPARE_LISTING(source->toPlainText(), QString(form.state.syuturyoku).replace("\r\n", "\n").replace('\r', '\n'));
        QCOMPARE(source->textCursor().position(), source->document()->characterCount() - 1);
    }
    form.Combo4.pick(1);
    QCoreApplication::processEvents();
    QTest::keyClick(source, Qt::Key_Home, Qt::ControlModifier), QTest::keyClick(source, Qt::Key_End);
    const int put = source->textCursor().position();  // the first line's end
    form.Combo4.pick(1);
    QCoreApplication::processEvents();
    QCOMPARE(source->textCursor().position(), put);
    QCOMPARE(source->verticalScrollBar()->value(), 0);
}

// On a Wayland desktop the program runs through XWayland where it is
// there, on Wayland itself where not, at its size either way, and a
// compositor's maximise of the main or the help window does not end it.
void MainWindowTest::survivesCompositorMaximise()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        QSKIP("needs a Wayland compositor: tests/test_wayland.sh runs it under a nested one");
    QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb");
    window->resize(200, 200);  // as a compositor may ask: the window keeps its size
    QCOMPARE(window->size(), QImage(qEnvironmentVariable("RUMITA_TEST_DATA") + "/golden/start.png").size());
    const QRect title = widget("Text1")->geometry();
    menu("idm_kidou");
    for (QWidget *w : {static_cast<QWidget *>(window), shown("form3")})
        w->showMaximized();  // as the title bar's maximise button asks
    QTest::qWait(500);
    window->form().Text1.setText("再描画");  // a new frame, which the compositor checks
    QTest::qWait(500);
    QVERIFY(window->isVisible());
    QCOMPARE(widget("Text1")->geometry(), title);
}

// Under the desktop's input method, a word composed and left by a click
// lands once, in its own box, and a word cancelled with Escape stays
// cancelled; a second word typed in the box clicked lands there after
// whatever the first one's leaving brought. Real keys through ibus and
// mozc: tests/test_inputmethod.sh sets them up and runs this alone.
void MainWindowTest::inputMethodWordsLandOnce_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("title to description") << QString("Text1") << QString("Text2") << false;
    QTest::newRow("description to list") << QString("Text2") << QString("Combo1") << false;
    QTest::newRow("cancelled, title to description") << QString("Text1") << QString("Text2") << true;
}

void MainWindowTest::inputMethodWordsLandOnce()
{
    if (qgetenv("QT_IM_MODULE") != "ibus")
        QSKIP("needs ibus with mozc on a display of its own: tests/test_inputmethod.sh runs it");
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, cancelled);
    struct : QObject {  // what the input method shows as being composed
        QString preedit;
        bool eventFilter(QObject *, QEvent *e) override
        {
            preedit = e->type() == QEvent::InputMethod ? static_cast<QInputMethodEvent *>(e)->preeditString() : preedit;
            return false;
        }
    } composing;
    qApp->installEventFilter(&composing);
    const auto xdotool = [](const QStringList &args) { return QProcess::execute("xdotool", args) == 0; };
    const auto clickOn = [&](const QString &name) {  // after the text
        QWidget *w = name == "Combo1" ? window->findChild<QComboBox *>(name)->lineEdit() : widget(name);
        const QPoint at = w->mapToGlobal(QPoint(w->width() - 8, w->height() / 2));
        // ibus follows the focus over D-Bus, with no sign the window sees.
        return xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"}) &&
               QTest::qWaitFor([&] { return focusName() == name; }) && (QTest::qWait(500), true);
    };
    QVERIFY(clickOn(from));
    QVERIFY(xdotool({"key", "Hiragana_Katakana"}));  // the input method on, in hiragana
    QVERIFY(xdotool({"type", "--delay", "50", "shouhin"}));
    QTRY_COMPARE(composing.preedit, "しょうひｎ");
    if (cancelled) {
        QVERIFY(xdotool({"key", "Escape"}));
        QTRY_COMPARE(composing.preedit, "");
    }
    QVERIFY(clickOn(to));
    QVERIFY(xdotool({"type", "--delay", "50", "ka"}));
    QVERIFY(xdotool({"key", "Return"}));
    QTRY_VERIFY(shownText(widget(to)).contains("か"));
    QCOMPARE(shownText(widget(from)), cancelled ? "" : "しょうひｎ");
    QCOMPARE(shownText(widget(to)), (to == "Combo1" ? "青　色" : "") + QString("か"));
}

// Memo files opened, each value shown in its control; typed into, saved,
// cleared by New, opened again as it was, and pasted.
void MainWindowTest::memoFilesShownWhole()
{
    // clang-format off
    const QStringList blank{"Text1: ", "Check2: unticked", "Check3: unticked", "Check4: unticked", "Check5: ticked",
                            "Check6: unticked", "Check7: unticked", "Check8: unticked", "Text2: ", "Text3: ",
                            "Check9: unticked", "Check11: unticked", "Combo1: 青　色", "Combo2: 青　色, greyed",
                            "Combo3: 灰　色, greyed", "Combo4: 普通", "Check12: unticked", "Check13: unticked",
                            "Combo5: 黒　色", "Combo6: 白　色, greyed", "Check20: unticked", "Check1: ticked",
                            "Combo7: 黒　色, greyed"};
    const QStringList custom{"Text1: 春の新作バッグ", "Check2: ticked", "Check3: unticked", "Check4: ticked",
                             "Check5: ticked", "Check6: unticked", "Check7: unticked", "Check8: unticked",
                             "Text2: 状態は良好です。\n送料は落札者負担です～。", "Text3: ノークレームでお願いします。\n表示価格は税込です。", "Check9: unticked",
                             "Check11: ticked", "Combo1: 青　色, greyed", "Combo2: 黒　色", "Combo3: 緑　色", "Combo4: 特大",
                             "Check12: unticked", "Check13: unticked", "Combo5: 黒　色, greyed", "Combo6: 黒　色",
                             "Check20: ticked", "Check1: unticked", "Combo7: 白　色"};
    // clang-format on
    // The grey file: every box it holds (the payments and the two omissions) grey, its title, the rest blank.
    QStringList grey = QStringList(blank).replaceInStrings(QRegularExpression("^(Check(?!1:|11:)\\d+): .*"), "\\1: grey tick");
    grey[0] = "Text1: 灰色";
    // clang-format on
    QCOMPARE(shownControls(), blank);
    answer({memoData("valid-grey.qip"), "Yes", memoData("valid-custom.qip")});  // the second Open asks
    menu("IME_hirak");
    QCOMPARE(shownControls(), grey);
    menu("IME_hirak");
    QCOMPARE(shownControls(), custom);
    COMPARE_LISTING(source(), QString(window->form().state.syuturyoku).replace("\r\n", "\n").replace('\r', '\n'));
    // What the seller types goes into the listing on top of the file's texts.
    QTRY_COMPARE(focusName(), "Text1");
    QTest::keyClick(widget("Text1"), Qt::Key_End), type(widget("Text1"), "！<新品>");
    QVERIFY2(source().contains("春の新作バッグ！<新品></font>"), qPrintable(source()));
    widget("Text2")->setFocus(), QTest::keyClick(widget("Text2"), Qt::Key_End, Qt::ControlModifier);
    type(widget("Text2"), "\n追記です。");
    QVERIFY2(source().contains("状態は良好です。\n<br>送料は落札者負担です～。\n<br>追記です。</font>"), qPrintable(source()));
    const QStringList typed = shownControls();

    const QString memo = folder.filePath("出品.qip");
    answer({"*.qip", "a*", memo, "Yes", "OK"});  // a pattern only narrows the list; New asks; paste tells
    menu("IME_hozon"), menu("IDM_sinki");
    QCOMPARE(shownControls(), blank);
    QCOMPARE(source(), QString());
    click("Command2");
    QTRY_COMPARE(focusName(), "Text1");  // the blank listing, although the source box is empty
    QVERIFY(QApplication::clipboard()->text().contains("■商品名■"));
    QCOMPARE(answered.value(6), "新規作成|現在のデーターは失われます！\r\n  新規作成しますか？|4");  // the question icon
    QCOMPARE(answered.value(7),
             "ルミタ|※貼り付け状態になりました!\r\n\r\nオークションの説明欄へ右クリック＞貼り付けしてください。|0");
    answer({memo});  // Open after New does not ask
    menu("IME_hirak");
    // In the toolkit's Japanese, the file dialog starts at home, then where the last file was.
    QCOMPARE(answered.value(0), QDir::homePath() + "|開く|ルミタファイル (*.qip)|*.qip");
    QCOMPARE(answered.value(1), "読み込み|読み込みをすると現在のデーターは失われます？|4");
    QCOMPARE(answered.value(3), QDir(memoData("")).path() + "|名前を付けて保存|ルミタファイル (*.qip)|*.qip");
    QCOMPARE(answered.value(8), folder.path() + "|開く|ルミタファイル (*.qip)|*.qip");
    QCOMPARE(shownControls(), typed);
    answer({"OK"});
    click("Command2");
    COMPARE_LISTING(QApplication::clipboard()->text(), window->form().state.syuturyoku);
    QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
}

// The preview program shows the page beside the main window, which keeps the
// focus: Japanese shows, scripts do not run. Whatever becomes of the program,
// missing, closed or killed, the seller is told and the input stays.
void MainWindowTest::previewSurvivesItsProgram()
{
    type(widget("Text1"), "春の新作バッグ！<新品>");
    type(widget("Text2"), "<script>document.write('ran');</script>商品ページ♡é¥");
    const QStringList before = shownControls();
    const QString shownSource = source();
    PreviewClient &preview = window->desktop().preview();
    QSignalSpy windows(&preview, &PreviewClient::windowShown), loaded(&preview, &PreviewClient::loaded);
    const QString failed = "ルミタ|プレビューを表示できませんでした。\r\n";
    const QString previewProgram = folder.filePath("rumita-preview");
    QFile::remove(previewProgram);
    answer({"OK"});
    click("Command3");
    QTRY_COMPARE(answered.size(), 1);
    QVERIFY2(answered[0].startsWith(failed + "プレビュー用のプログラムを起動できません。"), qPrintable(answered[0]));
    QCOMPARE(answered[0].section('|', 2), QString::number(QMessageBox::Warning));
    QVERIFY(QFile::link(RUMITA_PREVIEW_PROGRAM, previewProgram));
    if (!browserEngineKeptOut()) {
        MainWindow other(folder.path());  // another instance in the same folder previews its own at the same moment
        other.form().Text1.setText("二つ目の題名");
        QSignalSpy text(&preview, &PreviewClient::pageText), otherText(&other.desktop().preview(), &PreviewClient::pageText);
        click("Command3");
        QTRY_COMPARE(focusName(), "Text1");
        QVERIFY(previewAndWait(other, 30000));
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 30000);
        QCOMPARE(loaded[0][0].toBool(), true);
        const quint64 shownWindow = windows.value(0).value(0).value<quint64>();
        QTRY_COMPARE(x11window::position(shownWindow), window->frameGeometry().topRight() + QPoint(1, 0));
        preview.requestPageText(), other.desktop().preview().requestPageText();
        QTRY_COMPARE(text.size(), 1);
        QTRY_COMPARE(otherText.size(), 1);
        const QString page = text[0][0].toString();
        QVERIFY2(page.contains("春の新作バッグ！<新品>"), qPrintable(page));
        QVERIFY2(page.contains("商品ページ♡é¥"), qPrintable(page));
        QVERIFY2(!page.contains("ran"), qPrintable(page));
        QVERIFY2(otherText[0][0].toString().contains("二つ目の題名"), qPrintable(otherText[0][0].toString()));
        // Moved by the seller, the window stays where it was put, and the next preview loads in it.
        x11window::xdotool({"windowmove", "--sync", QString::number(shownWindow), "40", "50"});
        click("Command3");
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 2, 30000);
        QCOMPARE(windows.size(), 1);
        QCOMPARE(x11window::position(shownWindow), QPoint(40, 50));
        answer({"OK"});  // for the one message to come: the kill's, not the seller's close
        x11window::closeAsUser(shownWindow);
        QTRY_VERIFY(!x11window::position(shownWindow));
        click("Command3");  // a preview after the seller closed it opens a new window
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 3, 30000);
        QCOMPARE(windows.size(), 2);
        QCOMPARE(answered.size(), 1);
        kill(pid_t(preview.processId()), SIGKILL);
        QTRY_COMPARE(answered.size(), 2);
        QVERIFY2(answered[1].startsWith(failed + "プレビュー用のプログラムが途中で終了しました。"), qPrintable(answered[1]));
        click("Command3");  // the next preview starts it again, in a window of its own
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 4, 30000);
        QCOMPARE(windows.size(), 3);
    }
    QCOMPARE(shownControls(), before);
    COMPARE_LISTING(source(), shownSource);
}

void MainWindowTest::exitClosesEveryWindow()
{
    quint64 previewWindow = 0;
    QVERIFY(browserEngineKeptOut() || previewAndWait(*window, 30000, &previewWindow));
    menu("idm_kidou");
    answer({"No"});  // a close request refused
    QCOMPARE(window->close(), false);
    QVERIFY(shown("form3"));
    answer({"Yes"});  // the exit entry ends everything
    menu("IDM_owari");
    QCOMPARE(answered.mid(answered.size() - 2), QStringList(2, "終了しますか？|ルミタを終了しますか？|4"));
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    if (previewWindow)  // the preview with it
        QVERIFY(!x11window::position(previewWindow));
}

int main(int argc, char *argv[]) { return runWindowTests<MainWindowTest>(argc, argv); }
#include "test_mainwindow.moc"
