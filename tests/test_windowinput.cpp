// The real main window as a seller meets it, through real key and mouse
// events and rendered pixels: the tab order, lists that act only on a pick,
// coloured boxes and whole captions at each scale and on a dark desktop, long
// titles, the toolkit's Japanese, and paste from an empty or foreign
// clipboard.
#include "app/appearance.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "app/toolkittranslation.h"

#include <QTest>
#include <QtWidgets>

// A click on an item of the open list.
static void pick(QComboBox *list, int row)
{
    list->showPopup();
    QAbstractItemView *view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QPoint item = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
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

class WindowInputTest : public QObject {
    Q_OBJECT
    MainWindow *window = nullptr;

    template <typename T = QWidget>
    T *widget(const QString &name) const { return window->findChild<T *>(name); }
    QString focusName() const { return QApplication::focusWidget()->objectName(); }

private slots:
    void init()
    {
        window = new MainWindow(qEnvironmentVariable("RUMITA_PICTURES"));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { delete window; window = nullptr; }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("custom");
        QTest::addColumn<bool>("afterPicks");
        QTest::addColumn<QStringList>("cycle");
        // The tab order less the lists that each frame style greys out.
        const QStringList standard{"Text1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8",
                                   "Text2", "Text3", "Check9", "Check11", "Combo1", "Command2", "Command3", "Combo4",
                                   "Check12", "Check13", "Combo5", "Check20", "Check1", "Text4"};
        const QStringList custom{"Text1", "Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "Check8",
                                 "Text2", "Text3", "Check9", "Check11", "Combo2", "Combo3", "Command2", "Command3",
                                 "Combo4", "Check12", "Check13", "Combo6", "Check20", "Check1", "Text4", "Combo7"};
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
        for (const char *action : {"Tab", "Shift+Tab", "click elsewhere", "item typed, Tab",
                                   "wheel over another list", "arrow key, Escape", "click on the item shown",
                                   "arrow keys, Enter"})
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
            QWheelEvent wheel({10, 10}, other->mapToGlobal(QPoint(10, 10)), {}, {0, -120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
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
        QCOMPARE(widget<QPlainTextEdit>("Text4")->toPlainText().isEmpty(), !picked);
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
            const int failures = QProcess::execute(QCoreApplication::applicationFilePath(),
                                                   {"looksAsDesignedAtEachScale:" + scale});
            qunsetenv("QT_SCALE_FACTOR");
            QCOMPARE(failures, 0);
            return;
        }
        const QImage designed = grabbed(nullptr), designedMenu = grabbed("IDM_FILE");
        auto background = [this](const char *name) {
            // As the window shows it: a widget grabbed alone gets its fill anyway.
            QWidget *box = widget(name);
            const QImage image = window->grab(QRect(box->mapTo(window, QPoint()), box->size())).toImage();
            return image.pixelColor(image.width() - 2, image.height() / 2);  // right of the caption
        };
        QCOMPARE(background("Check1"), QColor(192, 255, 255));
        QCOMPARE(background("Check11"), QColor(224, 224, 224));
        QTest::mouseClick(widget("Check11"), Qt::LeftButton);
        QCOMPARE(background("Check1"), QColor(224, 224, 224));
        QCOMPARE(background("Check11"), QColor(255, 192, 192));

        HelpWindow help;
        help.setText(MainForm::helpText());
        QCOMPARE(clippedTexts(window) + clippedTexts(&help), QStringList());

        // The same window once more on a dark desktop with a large font, set
        // for every kind of widget as a theme does: nothing may change.
        cleanup();
        QFont large("DejaVu Serif");
        large.setPixelSize(20);
        const char *const kinds[] = {nullptr, "QLabel", "QCheckBox", "QPushButton", "QLineEdit", "QComboBox",
                                     "QPlainTextEdit", "QGroupBox", "QMenuBar", "QMenu"};
        for (const char *kind : kinds) {
            QApplication::setPalette(QPalette(QColor(45, 45, 45)), kind);
            QApplication::setFont(large, kind);
        }
        init();
        QCOMPARE(grabbed(nullptr), designed);
        QCOMPARE(grabbed("IDM_FILE"), designedMenu);
    }

    void longTitleKeptWhole()
    {
        const QString title = QString(36, u'長') + "1234";
        window->form().Text1.setText(title);  // as Open sets it from a memo file
        auto *box = widget<QLineEdit>("Text1");
        QCOMPARE(box->text(), title);
        QVERIFY(widget<QPlainTextEdit>("Text4")->toPlainText().contains(">" + title + "<"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(window->form().Text1.text(), title.chopped(1));
        QTest::keyClicks(box, "ab");  // one more fits, as long as it came
        QCOMPARE(window->form().Text1.text(), title.chopped(1) + "a");
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
        QCOMPARE(text().remove("abc"), before);
        QCOMPARE(text().contains("abc"), clipboard == "text");
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    QApplication::setCursorFlashTime(0);  // a steady caret, for comparing pictures
    WindowInputTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_windowinput.moc"
