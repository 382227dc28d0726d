// The real windows under a virtual display, through real keys, clicks and
// rendered pixels: how they look, set against pictures in tests/data/golden
// (rewritten by scripts/golden.sh when the look is meant to change), at each
// scale and on a dark desktop; the tab order; lists that act only on a pick;
// long titles; the toolkit's Japanese; paste from an empty or foreign
// clipboard; what a screen reader reads; the source box; the preview
// program failing in every way; and a seller's whole road through the
// windows with answered dialogs, down to the page the preview program shows.
#include "app/helpwindow.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/typinglimit.h"
#include "memo/cp932.h"
#include "tests/support/browserengine.h"
#include "tests/support/formfixture.h"
#include "tests/support/windowhelpers.h"
#include "tests/support/windowtests.h"
#include "tests/support/x11window.h"

#include <QAccessible>
#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <unistd.h>

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

// The visible top-level window of that name.
static QWidget *shown(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
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
        else if (auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap())  // not the help text
            check(w, label->text(), label->contentsRect().width());
        else if (auto *list = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < list->count(); ++i)  // a line edit keeps 2 pixels a side and 1 for the caret
                check(w, list->itemText(i), list->lineEdit()->width() - 5);
        else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QStyle::SubControl title = QStyle::SC_GroupBoxLabel;
            check(w, frame->title(), w->style()->subControlRect(QStyle::CC_GroupBox, &option, title, w).width());
        }
    }
    return clipped;
}

// The first three never start the browser engine.
enum PreviewFailure { Missing, ExitsAtOnce, SandboxAsRoot, KilledWhileLoading, KilledWhileShowing };

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete window; }
    void looksAsDesigned_data();
    void looksAsDesigned();
    void tabOrder_data()
    {
        QTest::addColumn<bool>("custom");
        QTest::addColumn<bool>("afterPicks");
        QTest::addColumn<QStringList>("cycle");
        // The tab order less the lists that each frame style greys out.
        const QStringList order{"Text1",   "Check2",  "Check3",  "Check4", "Check5",  "Check6", "Check7",   "Check8",   "Text2",
                                "Text3",   "Check9",  "Check11", "Combo1", "Combo2",  "Combo3", "Command2", "Command3", "Combo4",
                                "Check12", "Check13", "Combo5",  "Combo6", "Check20", "Check1", "Text4",    "Combo7"};
        const QStringList standard = order.filter(QRegularExpression("^(?!Combo[2367]$)"));
        const QStringList custom = order.filter(QRegularExpression("^(?!Combo[15]$)"));
        for (bool afterPicks : {false, true}) {
            QTest::addRow("standard frame, picks %d", afterPicks) << false << afterPicks << standard;
            QTest::addRow("custom frame, picks %d", afterPicks) << true << afterPicks << custom;
        }
    }
    void tabOrder()
    {
        QFETCH(bool, custom);
        QFETCH(bool, afterPicks);
        QFETCH(QStringList, cycle);
        if (custom)
            QTest::mouseClick(widget("Check11"), Qt::LeftButton);
        for (const QString &name : cycle)
            if (auto *list = qobject_cast<QComboBox *>(widget(name)); list && afterPicks)
                pick(list, 1);
        widget("Text1")->setFocus();
        QTRY_COMPARE(focusName(), "Text1");
        const int n = cycle.size();
        for (int i = 1; i <= 2 * n; ++i) {  // once round with Tab, then back with Shift+Tab
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, i > n ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(focusName(), cycle.at(i > n ? 2 * n - i : i % n));
        }
        QCOMPARE(widget<QPlainTextEdit>("Text2")->toPlainText(), QString());
    }

    void listActsOnlyOnPick_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *action : {"Tab", "Shift+Tab", "click elsewhere", "item typed, Tab", "wheel over another list",
                                   "arrow key, Escape", "click on the item shown", "arrow keys, Enter"})
            QTest::newRow(action) << action;
    }
    void listActsOnlyOnPick()
    {
        QFETCH(QString, action);
        auto *list = widget<QComboBox>("Combo1");
        auto *other = widget<QComboBox>("Combo5");
        QTest::mouseClick(list->lineEdit(), Qt::LeftButton);
        QTRY_COMPARE(focusName(), "Combo1");
        if (action == "item typed, Tab") {
            QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QInputMethodEvent typed;  // as an input method commits it
            typed.setCommitString("ピンク");
            QApplication::sendEvent(list->lineEdit(), &typed);
        }
        if (action.endsWith("Tab"))
            QTest::keyClick(list, Qt::Key_Tab, action.startsWith("Shift") ? Qt::ShiftModifier : Qt::NoModifier);
        else if (action == "click elsewhere")
            QTest::mouseClick(widget<QPlainTextEdit>("Text2")->viewport(), Qt::LeftButton);
        else if (action == "click on the item shown")
            pick(list, 0);
        else if (action.startsWith("wheel")) {
            QWheelEvent wheel({10, 10}, other->mapToGlobal(QPoint(10, 10)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(other, &wheel);
        } else {
            QTest::keyClick(list, Qt::Key_Down);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), Qt::Key_Down);
            QTest::keyClick(list->view(), action.endsWith("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        }
        // A pick refreshes the listing and gives the title box the focus.
        const bool picked = action == "click on the item shown" || action == "arrow keys, Enter";
        QTRY_COMPARE(focusName() == "Text1", picked);
        QCOMPARE(source().isEmpty(), !picked);
        QCOMPARE(other->currentText(), "黒　色");
    }

    void looksAsDesignedAtEachScale_data()
    {
        QTest::addColumn<QString>("scale");
        for (const char *scale : {"1", "1.5", "2"})
            QTest::newRow(scale) << scale;
    }
    void looksAsDesignedAtEachScale()
    {
        auto grabbed = [this](const char *name) {  // the window, or one of its menus
            QWidget *w = name ? widget(name) : window;
            w->adjustSize();
            return w->grab().toImage();
        };
        QFETCH(QString, scale);
        if (qEnvironmentVariable("QT_SCALE_FACTOR") != scale) {
            // A scale factor holds from a program's start: this row runs in a
            // child, whose report shows in this one's output.
            qputenv("QT_SCALE_FACTOR", scale.toLatin1());
            const int failures =
                QProcess::execute(QCoreApplication::applicationFilePath(), {"looksAsDesignedAtEachScale:" + scale});
            qunsetenv("QT_SCALE_FACTOR");
            QCOMPARE(failures, 0);
            return;
        }
        const QImage designed = grabbed(nullptr), designedMenu = grabbed("IDM_FILE");
        const QWidget *box = widget("Check1");  // its own colour, right of its caption
        const QPointF inBox = box->mapTo(window, QPoint(box->width() - 2, box->height() / 2));
        QCOMPARE(designed.pixelColor((inBox * designed.devicePixelRatio()).toPoint()), QColor(192, 255, 255));
        auto help = std::make_unique<HelpWindow>();
        help->setText(MainForm::helpText());
        const QImage designedHelp = help->grab().toImage();
        QCOMPARE(clippedTexts(window) + clippedTexts(help.get()), QStringList());

        // The same window once more on a dark desktop with a large font, set
        // for every kind of widget as a theme does: nothing may change.
        cleanup();
        QFont large("DejaVu Serif");
        large.setPixelSize(20);
        const char *const kinds[] = {nullptr,     "QLabel",         "QCheckBox", "QPushButton", "QLineEdit",
                                     "QComboBox", "QPlainTextEdit", "QGroupBox", "QMenuBar",    "QMenu"};
        for (const char *kind : kinds) {
            QApplication::setPalette(QPalette(QColor(45, 45, 45)), kind);
            QApplication::setFont(large, kind);
        }
        init();
        QCOMPARE(grabbed(nullptr), designed);
        QCOMPARE(grabbed("IDM_FILE"), designedMenu);
        help = std::make_unique<HelpWindow>();
        help->setText(MainForm::helpText());
        QCOMPARE(help->grab().toImage(), designedHelp);
    }

    // The title takes 30 characters, or as many as a title from a file had;
    // it may be shortened, never lengthened by typing, and the bell rings when
    // a keystroke or a conversion is cut. A pair at the limit goes in whole.
    void titleTypingLimit_data()
    {
        QTest::addColumn<QString>("fromFile");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("bell");
        const QString full(30, u'字'), long40 = QString(36, u'長') + "1234";
        QTest::newRow("typed past 30") << "" << 0 << full + "字"
                                       << "" << full << true;
        QTest::newRow("conversion cut") << "" << 0 << full.left(25) << "一二三四五六七八九十" << full.left(25) + "一二三四五"
                                        << true;
        QTest::newRow("conversion into a full box") << "" << 0 << full << "追加" << full << true;
        QTest::newRow("title from a file") << long40 << 0 << ""
                                           << "" << long40 << false;
        QTest::newRow("from a file, shortened") << long40 << 1 << "ab"
                                                << "" << long40.chopped(1) << true;
        QTest::newRow("from a file, cleared") << long40 << 40 << full + "字"
                                              << "" << full << true;
        QTest::newRow("emoji at the 30th unit") << "" << 0 << full.left(29) << "😀ab" << full.left(29) + "😀" << true;
        QTest::newRow("emoji within") << "" << 0 << "限定"
                                      << "😀"
                                      << "限定😀" << false;
    }
    void titleTypingLimit()
    {
        QFETCH(QString, fromFile);
        QFETCH(int, backspaces);
        QFETCH(QString, typed);
        QFETCH(QString, committed);
        QFETCH(QString, expected);
        QFETCH(bool, bell);
        auto *box = widget<QLineEdit>("Text1");
        QSignalSpy cut(box->findChild<TypingLimit *>(), &TypingLimit::cut);
        window->form().Text1.setText(fromFile);  // as Open sets it
        QTest::keyClick(box, Qt::Key_End);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        type(box, typed);
        QInputMethodEvent conversion;  // as an input method commits it
        conversion.setCommitString(committed);
        QApplication::sendEvent(box, &conversion);
        QCOMPARE(box->text(), expected);
        QCOMPARE(window->form().Text1.text(), expected);
        QVERIFY(source().contains(">" + expected + "<"));
        QCOMPARE(cut.count() > 0, bell);
    }

    void toolkitSpeaksJapanese()
    {
        QStringList seen;
        auto readModal = [&seen] {
            QWidget *modal = QApplication::activeModalWidget();
            for (QWidget *w : modal->findChildren<QWidget *>())  // labels and buttons
                seen << w->property("text").toString();
            qobject_cast<QDialog *>(modal)->reject();
        };
        for (const char *command : {"IDM_sinki", "IME_hirak"}) {  // New asks, Open shows the file dialog
            QTimer::singleShot(0, readModal);
            window->findChild<QAction *>(command)->trigger();
        }
        std::unique_ptr<QMenu> menu(widget<QLineEdit>("Text1")->createStandardContextMenu());
        for (QAction *action : menu->actions())
            seen << action->text().section('\t', 0, 0);
        for (const char *text : {"はい(&Y)", "いいえ(&N)", "アドレス:", "ファイル名(&N):", "ファイルの種類:", "開く(&O)",
                                 "キャンセル", "元に戻す(&U)", "貼り付け(&P)"})
            QVERIFY2(seen.contains(text), text);
    }

    void pasteNeverCrashes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("clipboard");
        for (const char *box : {"Text1", "Text2", "Text3", "Combo1"})
            for (const char *path : {"Ctrl+V", "Shift+Insert", "middle click", "context menu"})
                for (const char *clipboard : {"empty", "image only", "text"})
                    QTest::addRow("%s, %s, %s", box, path, clipboard) << box << path << clipboard;
    }
    void pasteNeverCrashes()
    {
        QFETCH(QString, box);
        QFETCH(QString, path);
        QFETCH(QString, clipboard);
        for (QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
            auto *data = new QMimeData;
            if (clipboard == "image only")
                data->setImageData(QImage(8, 8, QImage::Format_RGB32));
            else if (clipboard == "text")
                data->setText("abc");
            QApplication::clipboard()->setMimeData(data, mode);
        }
        auto *line = box == "Combo1" ? widget<QComboBox>(box)->lineEdit() : widget<QLineEdit>(box);
        auto *plain = widget<QPlainTextEdit>(box);
        auto text = [line, plain] { return line ? line->text() : plain->toPlainText(); };
        const QString before = text();
        QWidget *target = line ? static_cast<QWidget *>(line) : plain;
        target->setFocus();
        if (path == "Ctrl+V" || path == "Shift+Insert")
            QTest::keyClick(target, path == "Ctrl+V" ? Qt::Key_V : Qt::Key_Insert,
                            path == "Ctrl+V" ? Qt::ControlModifier : Qt::ShiftModifier);
        else if (path == "middle click")
            QTest::mouseClick(line ? target : plain->viewport(), Qt::MiddleButton);
        else  // what the context menu's entry runs, even where the menu greys it out
            QMetaObject::invokeMethod(target, "paste");
        QCOMPARE(text().remove("abc"), before);  // a middle click puts it where it clicks
        QCOMPARE(text().contains("abc"), clipboard == "text");
    }

    // A list reports its current item as its name on this desktop; what names it
    // for a screen reader is the caption it is labelled by.
    void fieldsAreNamedByTheirCaptions()
    {
        const char *const rows[][2] = {
            {"Text1", "タイトル"},
            {"Text2", "説明本文"},
            {"Text3", "その他"},
            {"Text4", "HTMLソース"},
            {"Combo4", "タイトルサイズ"},
            {"Combo1", "枠色"},
            {"Combo5", "文色"},
            {"Combo2", "左枠"},
            {"Combo3", "右枠"},
            {"Combo6", "字色左"},
            {"Combo7", "字色右"},
            {"Check9", "スルガ銀行"},
            {"Command3", "プレビュー"},
            {"Command2", "オークション貼付状態"},
            {"Check12", "支払方法省　略"},
            {"Frame2", "枠の選択"},
        };
        for (const auto &[control, name] : rows) {
            QAccessibleInterface *field = QAccessible::queryAccessibleInterface(widget(control));
            QStringList names{field->text(QAccessible::Name)};  // a list in a frame is labelled by the frame too
            for (const auto &label : field->relations(QAccessible::Label))
                names << label.first->text(QAccessible::Name);
            QVERIFY2(QByteArray(control).startsWith("Combo") ? names.contains(name) : names[0] == name, control);
        }
        // The windows are windows by their captions; the payment boxes a group.
        menu("idm_kidou");
        for (QWidget *w : {static_cast<QWidget *>(window), shown("form3")}) {
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->role(), QAccessible::Window);
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), w->windowTitle());
        }
        QAccessibleInterface *group = QAccessible::queryAccessibleInterface(widget("Check9"))->parent();
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), "支払方法");
        QCOMPARE(group->childCount(), 9);
        // The source box takes a caret the keys move.
        type(widget("Text3"), "送料無料");
        QTest::keyClick(widget("Text4"), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(widget<QPlainTextEdit>("Text4")->textCursor().position(), 0);
    }

    // A random edit script of keys in a text box, over a short and a long
    // text: right after every key, before any other event, the listing
    // and what Save and paste take are what a rebuild from the box's text
    // gives; once the events are handled, the source box shows the listing
    // (each CR LF, CR or LF a line break) with its caret at the end. A pick
    // that changes nothing leaves that caret and scroll where the user put them.
    void sourceBoxFollowsTheListing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("short, other notes") << "Text3"
                                            << "説明\r\n";
        QTest::newRow("long, description") << "Text2"
                                           << QString("同じ行の説明です。\r\n").repeated(2000);  // alike lines mislead a diff
    }

    void sourceBoxFollowsTheListing()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        MainForm &form = window->form();
        auto *typed = widget<QPlainTextEdit>(box);
        auto *source = widget<QPlainTextEdit>("Text4");
        form.findChild<TextBoxModel *>(box)->setText(text);
        typed->setFocus();
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
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
            const auto modifiers = key == Qt::Key_V    ? Qt::ControlModifier
                                   : random.bounded(3) ? Qt::NoModifier
                                                       : Qt::ShiftModifier;
            QApplication::clipboard()->setText(QString("貼り付け\n").repeated(random.bounded(3)) + "x");
            QTest::keyClick(typed, key, modifiers);
            const QByteArray where = "seed " + QByteArray::number(seed) + ", step " + QByteArray::number(step);
            const QString listing = form.state.syuturyoku, expected = rebuilt();
            const qsizetype differs =
                std::mismatch(listing.begin(), listing.end(), expected.begin(), expected.end()).first - listing.begin();
            QVERIFY2(listing == expected, where + " at " + QByteArray::number(differs) + ": " +
                                              listing.mid(differs - 20, 60).toUtf8() + " instead of " +
                                              expected.mid(differs - 20, 60).toUtf8());
            if (step == 50) {  // Save, then paste, mid-burst
                const QString memo = folder.filePath(QTest::currentDataTag() + QString(".qip"));
                answer({memo, "OK"});
                menu("IME_hozon"), click("Command2");
                QCOMPARE(QApplication::clipboard()->text(), rebuilt());
                QVERIFY2(cp932::decode(contents(memo), nullptr)
                             .value_or(QString())
                             .contains("<qip.$>" + typed->toPlainText().replace('\n', "\r\n") + "<qip.$>"),
                         where);
            }
            QCoreApplication::processEvents();
            QVERIFY2(source->toPlainText() == QString(form.state.syuturyoku).replace("\r\n", "\n").replace('\r', '\n'), where);
            QVERIFY2(source->textCursor().position() == source->document()->characterCount() - 1, where);
        }
        form.Combo4.pick(1);
        QCoreApplication::processEvents();
        source->moveCursor(QTextCursor::Start);
        form.Combo4.pick(1);
        QCoreApplication::processEvents();
        QCOMPARE(source->textCursor().position(), 0);
        QCOMPARE(source->verticalScrollBar()->value(), 0);
    }

    // Whatever becomes of the preview program, the seller's input stays.
    void previewFailureKeepsInput_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("reason");
        const QString ended = "プレビュー用のプログラムが途中で終了しました。";
        QTest::newRow("missing") << int(Missing) << "プレビュー用のプログラムを起動できません。";
        QTest::newRow("exiting at once") << int(ExitsAtOnce) << ended;
        QTest::newRow("killed while loading") << int(KilledWhileLoading) << ended;
        QTest::newRow("killed while showing") << int(KilledWhileShowing) << ended;
        QTest::newRow("sandbox as root") << int(SandboxAsRoot)
                                         << "ブラウザーのサンドボックスは管理者 (root) の権限では動きません。";
    }
    void previewFailureKeepsInput();
    void twoInstancesPreviewTheirOwn();

    // On a Wayland desktop the program runs through XWayland where it is
    // there, on Wayland itself where not, at its size either way, and a
    // compositor's maximise of the main or the help window does not end it.
    void survivesCompositorMaximise()
    {
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            QSKIP("needs a Wayland compositor: tests/test_wayland.sh runs it under a nested one");
        QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland" : "xcb");
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
    void inputMethodWordsLandOnce_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("title to description") << "Text1"
                                              << "Text2" << false;
        QTest::newRow("description to list") << "Text2"
                                             << "Combo1" << false;
        QTest::newRow("cancelled, title to description") << "Text1"
                                                         << "Text2" << true;
    }
    void inputMethodWordsLandOnce()
    {
        if (qgetenv("QT_IM_MODULE") != "ibus")
            QSKIP("needs ibus with mozc on a display of its own: tests/test_inputmethod.sh runs it");
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, cancelled);
        auto text = [this](const QString &name) {
            auto *line = name == "Combo1" ? widget<QComboBox>(name)->lineEdit() : widget<QLineEdit>(name);
            return line ? line->text() : widget<QPlainTextEdit>(name)->toPlainText();
        };
        struct : QObject {  // what the input method shows as being composed
            QString preedit;
            bool eventFilter(QObject *, QEvent *e) override
            {
                preedit = e->type() == QEvent::InputMethod ? static_cast<QInputMethodEvent *>(e)->preeditString() : preedit;
                return false;
            }
        } composing;
        qApp->installEventFilter(&composing);
        auto xdotool = [](const QStringList &args) { QCOMPARE(QProcess::execute("xdotool", args), 0); };
        auto clickOn = [&](const QString &name) {
            QWidget *w = name == "Combo1" ? widget<QComboBox>(name)->lineEdit() : widget(name);
            const QPoint at = w->mapToGlobal(QPoint(w->width() - 8, w->height() / 2));  // after the text
            xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
            QTRY_COMPARE(focusName(), name);
            QTest::qWait(500);  // ibus follows the focus over D-Bus, with no sign the window sees
        };
        clickOn(from);
        xdotool({"key", "Hiragana_Katakana"});  // the input method on, in hiragana
        xdotool({"type", "--delay", "50", "shouhin"});
        QTRY_COMPARE(composing.preedit, "しょうひｎ");
        if (cancelled) {
            xdotool({"key", "Escape"});
            QTRY_COMPARE(composing.preedit, "");
        }
        clickOn(to);
        xdotool({"type", "--delay", "50", "ka"}), xdotool({"key", "Return"});
        QTRY_VERIFY(text(to).contains("か"));
        QCOMPARE(text(from), cancelled ? "" : "しょうひｎ");
        QCOMPARE(text(to), (to == "Combo1" ? "青　色" : "") + QString("か"));
    }

    void sellersRoad();  // last: it ends the program

private:
    template <typename T = QWidget>
    T *widget(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QString focusName() const { return QApplication::focusWidget()->objectName(); }
    void click(const QString &name) { QTest::mouseClick(widget(name), Qt::LeftButton); }
    void menu(const char *name) { window->findChild<QAction *>(name)->trigger(); }
    // The source box catches up with the listing once the events are handled.
    QString source() const { return QCoreApplication::processEvents(), widget<QPlainTextEdit>("Text4")->toPlainText(); }
    void answer(QStringList answers);
    QStringList controlStates() const;
    QString previewProgram() const { return folder.filePath("rumita-preview"); }

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
    QCoreApplication::processEvents();
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
        QFAIL(qPrintable(QString("%1 pixels differ from %2 in x %3-%4, y %5-%6; the picture and "
                                 "the differences are in %7")
                             .arg(differing)
                             .arg(path)
                             .arg(where.left())
                             .arg(where.right())
                             .arg(where.top())
                             .arg(where.bottom())
                             .arg(out)));
    }
    QVERIFY(!look->windowIcon().isNull());
    QVERIFY(look == window || (look->windowTitle() == "HELP" && look->findChild<QLabel *>("Label1") &&
                               look->findChild<QLabel *>("Label2") && look->close()));
}

// What every control shows, by name: the texts, the list texts and the check marks.
QStringList MainWindowTest::controlStates() const
{
    QStringList states;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const QString name = w->objectName() + w->parent()->objectName() + '=';
        if (auto *line = qobject_cast<QLineEdit *>(w))
            states << name + line->text();
        else if (auto *box = qobject_cast<QPlainTextEdit *>(w))
            states << name + box->toPlainText();
        else if (auto *check = qobject_cast<QCheckBox *>(w))
            states << name + QString::number(check->checkState());
    }
    return states;
}

void MainWindowTest::previewFailureKeepsInput()
{
    QFETCH(int, failure);
    QFETCH(QString, reason);
    if (failure >= KilledWhileLoading)
        SKIP_WITHOUT_BROWSER_ENGINE();
    if (failure == SandboxAsRoot && geteuid() != 0)
        QSKIP("the sandbox refuses only the administrator");
    QFile::remove(previewProgram());
    QFile fake(previewProgram());
    if (failure == ExitsAtOnce) {
        QVERIFY(fake.open(QIODevice::WriteOnly) && fake.write("#!/bin/sh\nexit 0\n"));
        fake.close(), fake.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
    } else if (failure != Missing)
        QVERIFY(QFile::link(RUMITA_PREVIEW_PROGRAM, previewProgram()));
    type(widget("Text1"), "消えない題名"), type(widget("Text2"), "消えない説明"), click("Check7");
    QCoreApplication::processEvents();  // the source box catches up once the typing pauses
    const QStringList before = controlStates();
    const QString listing = window->form().state.syuturyoku;
    PreviewClient &preview = window->desktop().preview();
    QSignalSpy loaded(&preview, &PreviewClient::loaded);
    const QByteArray sandboxSwitch = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    if (failure == SandboxAsRoot)
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    answer({"OK"});
    click("Command3");
    if (failure == KilledWhileShowing)
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 30000);
    if (failure == KilledWhileLoading || failure == KilledWhileShowing) {
        QTRY_VERIFY(preview.processId() > 0);
        QCOMPARE(loaded.size(), failure == KilledWhileShowing ? 1 : 0);
        kill(pid_t(preview.processId()), SIGKILL);
    }
    QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 1, 30000);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandboxSwitch);
    const QStringList message = answered[0].split('|');
    QCOMPARE(message.value(0), "ルミタ");
    QVERIFY2(message.value(1).startsWith("プレビューを表示できませんでした。\r\n" + reason), qPrintable(message.value(1)));
    QCOMPARE(message.value(2), QString::number(QMessageBox::Warning));
    QCOMPARE(controlStates(), before);
    QCOMPARE(window->form().state.syuturyoku, listing);
    // The next preview starts the program again.
    QFile::remove(previewProgram()), QFile::link(RUMITA_PREVIEW_PROGRAM, previewProgram());
    if (browserEngineKeptOut())
        return;
    click("Command3");
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && loaded.constLast().value(0).toBool(), 30000);
    QCOMPARE(answered.size(), 1);
}

// Two instances in one folder, one prev.html, preview at the same moment:
// each preview shows its own listing.
void MainWindowTest::twoInstancesPreviewTheirOwn()
{
    SKIP_WITHOUT_BROWSER_ENGINE();
    MainWindow other(folder.path());
    PreviewClient &first = window->desktop().preview(), &second = other.desktop().preview();
    QSignalSpy firstLoaded(&first, &PreviewClient::loaded), secondLoaded(&second, &PreviewClient::loaded);
    QSignalSpy firstText(&first, &PreviewClient::pageText), secondText(&second, &PreviewClient::pageText);
    window->form().Text1.setText("一つ目の題名"), other.form().Text1.setText("二つ目の題名");
    window->form().preview(), other.form().preview();
    QTRY_VERIFY_WITH_TIMEOUT(!firstLoaded.isEmpty() && !secondLoaded.isEmpty(), 30000);
    first.requestPageText(), second.requestPageText();
    QTRY_VERIFY(!firstText.isEmpty() && !secondText.isEmpty());
    QVERIFY2(firstText[0][0].toString().contains("一つ目の題名"), qPrintable(firstText[0][0].toString()));
    QVERIFY2(secondText[0][0].toString().contains("二つ目の題名"), qPrintable(secondText[0][0].toString()));
}

void MainWindowTest::sellersRoad()
{
    auto *title = widget<QLineEdit>("Text1");
    const auto focusBack = [&] { QTRY_COMPARE(window->focusWidget(), title); };
    focusBack();
    type(title, "限定品ｶﾒﾗ <新品>");
    QVERIFY(source().contains("<font color=#000000 size=3>限定品ｶﾒﾗ <新品></font></Tr></td>"));
    QCOMPARE(widget<QPlainTextEdit>("Text4")->textCursor().position(), source().size());
    type(widget("Text2"), "一行目\n二行目");
    QVERIFY(source().contains("<font color=#000000>一行目\n<br>二行目</font>"));
    type(widget<QComboBox>("Combo4")->lineEdit(),
         "特大\n");  // typing in a list picks nothing and adds nothing
    QVERIFY(widget<QComboBox>("Combo4")->count() == 3 && source().contains("size=3>限定品"));
    click("Check20"), click("Check7");
    QVERIFY(source().contains(" ○ペイメント  ○銀行振り込み  ○ジャパンネットバンク決算 "));
    // Each of these hands the focus back to the title.
    const auto pickBack = [&](const char *list, int index) { pick(widget<QComboBox>(list), index), focusBack(); };
    pickBack("Combo1", 3);
    widget("Combo5")->setFocus(), pickBack("Combo5", 0);
    click("Check11"), focusBack();
    QVERIFY(widget("Combo2")->isEnabled() && !widget("Combo1")->isEnabled());
    click("Check1"), focusBack();
    pickBack("Combo4", 2);
    QVERIFY(source().contains("bgcolor=#ED9BA0><font color=\"#ffffff\"") && source().contains("size=9>限定品"));

    const QString memo = folder.filePath("出品.qip");
    answer({"*.qip", "a*", memo, "Yes", "OK"});  // a pattern only narrows the list; New asks; paste tells
    menu("IME_hozon"), menu("IDM_sinki");
    QVERIFY(source().isEmpty() && title->text().isEmpty() && !widget<QCheckBox>("Check7")->isChecked() &&
            widget<QComboBox>("Combo4")->currentText() == "普通");
    click("Command2"), focusBack();  // the blank listing, although the source box is empty
    QVERIFY(QApplication::clipboard()->text().contains("■商品名■") && source().isEmpty());
    QCOMPARE(answered.value(3),
             "新規作成|現在のデーターは失われます！\r\n  新規作成しますか？|4");  // the question icon
    QCOMPARE(answered.value(4),
             "ルミタ|※貼り付け状態になりました!"
             "\r\n\r\nオークションの説明欄へ右クリック＞貼り付けしてください。|0");
    answer({memo});  // Open after New does not ask
    menu("IME_hirak");
    QVERIFY(answered[0].endsWith("|ルミタファイル (*.qip)|*.qip") && answered[5].endsWith("|ルミタファイル (*.qip)|*.qip"));
    QCOMPARE(answered[0].section('|', 0, 0),
             QDir::homePath());  // at first at home, then where the last file was
    QCOMPARE(answered[5].section('|', 0, 0), folder.path());
    QVERIFY(title->text() == "限定品ｶﾒﾗ <新品>" && widget<QCheckBox>("Check7")->isChecked());
    QVERIFY(widget<QComboBox>("Combo4")->currentText() == "特大" && widget<QComboBox>("Combo1")->currentText() == "ピンク");
    const QString listing = window->form().state.syuturyoku;
    QCOMPARE(QString(listing).replace('\r', '\n'), source());
    QVERIFY(listing.contains("<font color=#000000 size=9>限定品ｶﾒﾗ <新品></font>") && listing.contains("bgcolor=#ED9BA0>"));

    answer({"OK"});
    click("Command2");
    QCOMPARE(QApplication::clipboard()->text(), listing);
    QCOMPARE(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});

    PreviewClient &preview = window->desktop().preview();
    QSignalSpy windows(&preview, &PreviewClient::windowShown), loaded(&preview, &PreviewClient::loaded);
    if (!browserEngineKeptOut()) {
        // The preview program shows the page beside the main window, which
        // keeps the focus: Japanese shows, scripts do not run.
        QSignalSpy text(&preview, &PreviewClient::pageText);
        const auto pageText = [&] {
            text.clear(), preview.requestPageText();
            return text.wait(10000) ? text[0][0].toString() : QString();
        };
        type(widget("Text2"), "<script>document.write('ran');</script>商品ページ♡é¥");
        click("Command3"), focusBack();
        // What code page 932 lacks goes in as character references, and shows.
        QVERIFY(contents(folder.filePath("prev.html")).contains("\x8f\xa4\x95\x69\x83\x79\x81\x5b\x83\x57&#9825;&#233;&#165;"));
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 1, 30000);
        QCOMPARE(loaded[0][0].toBool(), true);
        const quint64 id = windows.value(0).value(0).value<quint64>();
        const QPoint beside = window->frameGeometry().topRight() + QPoint(1, 0);
        QTRY_COMPARE(x11window::position(id), beside);
        const QString page = pageText();
        QVERIFY2(page.contains("限定品ｶﾒﾗ <新品>"), qPrintable(page));
        QVERIFY2(page.contains("○ジャパンネットバンク決算"), qPrintable(page));
        QVERIFY2(page.contains("商品ページ♡é¥"), qPrintable(page));
        QVERIFY2(!page.contains("ran"), qPrintable(page));
        type(title, "二回目");  // the next preview reloads the same window where it is
        click("Command3");
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 2, 30000);
        QVERIFY(pageText().contains("二回目"));
        QCOMPARE(windows.size(), 1);
        QCOMPARE(x11window::position(id), beside);
        x11window::closeAsUser(id);  // closed, it is gone; the next preview opens a new one
        QTRY_COMPARE(preview.processId(), 0);
        click("Command3");
        QTRY_COMPARE_WITH_TIMEOUT(windows.size(), 2, 30000);
        QTRY_VERIFY(x11window::position(windows[1][0].value<quint64>()));
        QTRY_COMPARE_WITH_TIMEOUT(loaded.size(), 3, 30000);
    }

    menu("idm_kidou");
    answer({"No"});  // a close request refused
    QVERIFY(!window->close() && window->isVisible() && shown("form3"));
    answer({"Yes"});  // the exit entry ends everything
    menu("IDM_owari");
    QCOMPARE(answered.mid(answered.size() - 2), QStringList(2, "終了しますか？|ルミタを終了しますか？|4"));
    for (QWidget *top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    if (!windows.isEmpty())  // the preview with it
        QVERIFY(!x11window::position(windows.constLast().value(0).value<quint64>()));
}

int main(int argc, char *argv[]) { return runWindowTests<MainWindowTest>(argc, argv); }
#include "test_mainwindow.moc"
