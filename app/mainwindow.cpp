#include "mainwindow.h"

#include "accessiblenames.h"
#include "look/appearance.h"
#include "look/twips.h"
#include "desktopinterface.h"
#include "inputmethodguard.h"
#include "picklist.h"
#include "plaintextbox.h"
#include "sourceview.h"
#include "viewbinding.h"
#include "widgetcolour.h"
#include "windowsystem.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

template <typename Widget>
static Widget *place(Widget *widget, const char *name, const QRect &rect)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect);
    return widget;
}

// The widget of a control model: named as the model is, placed, and bound.
template <typename Model, typename Widget>
static Widget *bound(Model &model, Widget *widget, const QRect &rect)
{
    widget->setObjectName(model.objectName());
    widget->setGeometry(rect);
    viewbinding::bind(model, widget);
    return widget;
}

static const QSize clientSize = twips(9345, 6735);
static const QColor panelColour(panelGrey.red, panelGrey.green, panelGrey.blue);

MainWindow::MainWindow(const QString &programFolder, QWidget *parent)
    : QMainWindow(parent),
      m_desktop(std::make_unique<DesktopInterface>(this, programFolder)),
      m_form(std::make_unique<MainForm>(*m_desktop, programFolder))
{
    setObjectName("Form1");
    setWindowTitle(MainForm::programTitle);
    fixWindowLook(this);
    buildMenus();

    auto *client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(clientSize);
    fillBackground(client, QColor(192, 192, 192));
    setCentralWidget(client);

    // The etched line under the menu bar.
    auto *line2 = place(new QFrame(client), "Line2", QRect(0, 0, clientSize.width(), 1));
    fillBackground(line2, palette().color(QPalette::Dark));
    auto *line3 = place(new QFrame(client), "Line3", QRect(0, 1, clientSize.width(), 1));
    fillBackground(line3, palette().color(QPalette::Light));

    buildInputPanel(client);
    buildFramePanel(client);
    buildSourceAndCommands(client);
    setTabOrder();

    m_form->startUp();
    nameFieldsForScreenReaders(this);
    InputMethodGuard::install();
    // The window keeps its size; on Wayland it may grow (see fixWindowSize).
    layout()->setSizeConstraint(onWayland() ? QLayout::SetMinimumSize : QLayout::SetFixedSize);
    findChild<QLineEdit *>("Text1")->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu("メニュー(&M)");
    file->setObjectName("IDM_FILE");
    auto addEntry = [this](QMenu *menu, const char *name, const QString &caption,
                           void (MainForm::*command)()) {
        QAction *action = menu->addAction(caption, this, [this, command] { (*m_form.*command)(); });
        action->setObjectName(QString::fromLatin1(name));
    };
    addEntry(file, "IDM_sinki", "新規作成(&N)", &MainForm::newMemo);
    file->addSeparator()->setObjectName("IDM_kurigi2");
    addEntry(file, "IME_hirak", "ファイルの読込(&O)", &MainForm::openMemo);
    addEntry(file, "IME_hozon", "ファイルの保存(&E)", &MainForm::saveMemo);
    file->addSeparator()->setObjectName("IDM_kurigi");
    addEntry(file, "IDM_owari", "ルミタの終了(&X)", &MainForm::exitProgram);
    QMenu *help = menuBar()->addMenu("ヘルプ(&H)");
    help->setObjectName("IDM_help");
    addEntry(help, "idm_kidou", "ヘルプ起動", &MainForm::showHelp);
    // The menus open as windows of their own.
    fixWindowLook(file);
    fixWindowLook(help);
}

void MainWindow::buildInputPanel(QWidget *client)
{
    MainForm &f = *m_form;
    auto *panel = place(new QFrame(client), "Frame1", twips(0, 120, 5895, 6615));
    fillBackground(panel, panelColour);

    // A light-yellow block with a thin black border behind each section caption.
    struct Block {
        const char *label, *shape;
        QRect rect;
        TextBoxModel *caption;
        const char *captionName;
        QRect captionRect;
    };
    const Block blocks[] = {
        {"Label1", "Shape1", twips(120, 240, 1095, 375), &f.Label5_0, "Label5(0)",
         twips(285, 350, 855, 195)},
        {"Label2", "Shape2", twips(120, 720, 1095, 855), &f.Label5_2, "Label5(2)",
         twips(225, 1020, 975, 195)},
        {"Label3", "Shape3", twips(120, 1800, 1095, 2295), &f.Label5_3, "Label5(3)",
         twips(240, 2640, 975, 195)},
        {"Label4", "Shape4", twips(120, 4320, 1095, 1815), &f.Label5_4, "Label5(4)",
         twips(240, 4920, 975, 315)},
    };
    for (const Block &b : blocks) {
        fillBackground(place(new QLabel(panel), b.label, b.rect), QColor(255, 255, 192));
        auto *border = place(new QFrame(panel), b.shape, b.rect);
        border->setStyleSheet("border: 1px solid black;");
        bound(*b.caption, new QLabel(panel), b.captionRect)->setAlignment(Qt::AlignCenter);
    }

    auto *title = new QLineEdit(panel);
    title->setMaxLength(30);  // typed characters; see viewbinding::bind
    bound(f.Text1, title, twips(1320, 240, 4455, 375));

    struct Box {
        CheckBoxModel *model;
        const char *caption;
        QRect rect;
    };
    const Box boxes[] = {
        {&f.Check20, "ペイメント", twips(1320, 720, 1095, 255)},
        {&f.Check3, "イーバンク決算", twips(2520, 720, 1575, 255)},
        {&f.Check9, "スルガ銀行", twips(4320, 720, 1215, 255)},
        {&f.Check5, "銀行振込", twips(1320, 960, 1095, 375)},
        {&f.Check7, "JPNETBANK決算", twips(2520, 960, 1695, 375)},
        {&f.Check4, "商品代引", twips(4320, 960, 1095, 375)},
        {&f.Check2, "郵便振替", twips(1320, 1320, 1095, 255)},
        {&f.Check6, "ＵＦＪ銀行決算", twips(2520, 1320, 1455, 255)},
        {&f.Check8, "現金書留", twips(4320, 1320, 1095, 255)},
        {&f.Check12, "支払方法［省　略］", twips(2400, 6240, 1695, 255)},
        {&f.Check13, "その他［省　略］", twips(4200, 6240, 1575, 255)},
    };
    for (const Box &b : boxes)
        bound(*b.model, new QCheckBox(QString::fromUtf8(b.caption), panel), b.rect);

    auto *description = bound(f.Text2, new PlainTextBox(panel), twips(1320, 1800, 4455, 2295));
    auto *other = bound(f.Text3, new PlainTextBox(panel), twips(1320, 4320, 4455, 1815));
    for (QPlainTextEdit *box : {description, other})
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    place(new QLabel("タイトルサイズ", panel), "Label13", twips(360, 6270, 1095, 255));
    bound(f.Combo4, new PickList(panel), twips(1560, 6220, 735, 300));
}

void MainWindow::buildFramePanel(QWidget *client)
{
    MainForm &f = *m_form;
    auto *frame =
        place(new QGroupBox("「枠の選択」", client), "Frame2", twips(5935, 120, 3375, 3855));

    bound(f.Check1, new QCheckBox(" 標準枠（6色）", frame), twips(120, 360, 1455, 255));
    bound(f.Check11, new QCheckBox("　カスタム", frame), twips(120, 2010, 1455, 240));

    // The design pictures, until the program loads the samples from its folder.
    bound(f.Image1, new QLabel(frame), twips(1680, 360, 1605, 1305))
        ->setPixmap(QPixmap(":/design-standard.png"));
    bound(f.Image2, new QLabel(frame), twips(1680, 2160, 1605, 1305))
        ->setPixmap(QPixmap(":/design-custom.png"));

    auto *line1 = place(new QFrame(frame), "Line1", QRect(8, 128, 208, 1));
    fillBackground(line1, palette().color(QPalette::Mid));

    struct List {
        ComboBoxModel *model;
        const char *label, *caption;
        QRect labelRect, listRect;
    };
    const List lists[] = {
        {&f.Combo1, "Label7", "※枠色", twips(110, 895, 585, 255), twips(720, 840, 855, 300)},
        {&f.Combo5, "Label8", "※文色", twips(120, 1380, 615, 255), twips(720, 1320, 855, 300)},
        {&f.Combo2, "Label9", "※左枠", twips(120, 2350, 615, 255), twips(720, 2280, 855, 300)},
        {&f.Combo3, "Label10", "※右枠", twips(120, 2700, 615, 375), twips(720, 2640, 855, 300)},
        {&f.Combo6, "Label11", "(字色左）", twips(50, 3050, 735, 255), twips(720, 3000, 855, 300)},
        {&f.Combo7, "Label12", "(字色右）", twips(50, 3420, 735, 255), twips(720, 3360, 855, 300)},
    };
    for (const List &l : lists) {
        auto *label = new QLabel(QString::fromUtf8(l.caption), frame);
        place(label, l.label, l.labelRect)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        bound(*l.model, new PickList(frame), l.listRect);
    }
}

void MainWindow::buildSourceAndCommands(QWidget *client)
{
    MainForm &f = *m_form;
    auto *sourceFrame =
        place(new QGroupBox("[HTMLソース]", client), "Frame3", twips(5935, 3960, 3375, 1935));
    auto *source = bound(f.Text4, new SourceView(sourceFrame), twips(120, 240, 3135, 1575));
    source->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *commands =
        place(new QGroupBox("「メニュー」", client), "Frame4", twips(5935, 5880, 3375, 855));
    auto *preview =
        place(new QPushButton("プレビュー", commands), "Command3", twips(120, 240, 1455, 495));
    auto *paste = place(new QPushButton("オークション貼付状態", commands), "Command2",
                        twips(1800, 240, 1455, 495));
    paste->setFont(compactFont());
    for (QPushButton *button : {preview, paste}) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::Button, panelColour);
        button->setPalette(palette);
    }
    connect(preview, &QPushButton::clicked, this, [this] { m_form->preview(); });
    connect(paste, &QPushButton::clicked, this, [this] { m_form->paste(); });
}

void MainWindow::setTabOrder()
{
    static const char *const order[] = {
        "Text1",  "Check2",   "Check3",   "Check4", "Check5",  "Check6",  "Check7",
        "Check8", "Text2",    "Text3",    "Check9", "Check11", "Combo1",  "Combo2",
        "Combo3", "Command2", "Command3", "Combo4", "Check12", "Check13", "Combo5",
        "Combo6", "Check20",  "Check1",   "Text4",  "Combo7"};
    QWidget *previous = nullptr;
    for (const char *name : order) {
        QWidget *widget = findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_desktop->isQuitting() || m_form->confirmClose()) {
        event->accept();
        m_desktop->closeSecondaryWindows();
    } else {
        event->ignore();
    }
}
