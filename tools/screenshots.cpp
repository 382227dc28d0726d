// Takes the pictures of the README: the main window in the standard frame and
// in the custom frame, and the preview window, with a small sample listing.
// Run by scripts/screenshots.sh under a virtual display:
//   rumita_screenshots OUTPUT_FOLDER PICTURES_FOLDER
#include "app/appearance.h"
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/previewengine.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>

static bool save(QWidget *widget, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

static QWidget *previewWindow()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == "Form2" && top->isVisible())
            return top;
    return nullptr;
}

int main(int argc, char *argv[])
{
    previewEngine::prepare();
    QApplication app(argc, argv);
    applyAppearance(app);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER PICTURES_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QDir pictures(QString::fromLocal8Bit(argv[2]));

    // The program's folder holds the sample pictures and receives prev.html.
    QTemporaryDir folder;
    for (const char *picture : {"hime.jpg", "hime2.jpg", "kime.jpg", "kime2.jpg"})
        QFile::copy(pictures.filePath(picture), folder.filePath(picture));

    MainWindow window(folder.path());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    MainForm &form = window.form();
    form.Text1.setText("手作り 木製オルゴール 新品");
    form.Text2.setText("ご覧いただきありがとうございます。\r\n"
                       "桜の木で作った小さなオルゴールです。\r\n"
                       "サイズ：横12cm×奥行8cm×高さ6cm\r\n"
                       "箱と説明書が付きます。");
    form.Text3.setText("ノークレーム・ノーリターンでお願いします。\r\n"
                       "落札後三日以内にご連絡ください。");
    form.Check2.click();
    form.Check4.click();
    QTest::qWait(100);
    if (!save(&window, output, "screenshot-main-standard.png"))
        return 1;

    window.findChild<QCheckBox *>("Check11")->click();
    QTest::qWait(100);
    if (!save(&window, output, "screenshot-main-custom.png"))
        return 1;

    window.findChild<QPushButton *>("Command3")->click();
    QWidget *preview = previewWindow();
    auto *browser = preview ? preview->findChild<QWebEngineView *>("WebBrowser1") : nullptr;
    if (!browser) {
        std::fprintf(stderr, "no preview window\n");
        return 1;
    }
    QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
    if (!loaded.wait(60000) || !loaded.constLast().value(0).toBool()) {
        std::fprintf(stderr, "the preview did not load\n");
        return 1;
    }
    // Loaded is not yet painted: give the engine's compositor its frames.
    QTest::qWait(1500);
    const bool saved = save(preview, output, "screenshot-preview.png");
    window.desktop().closeSecondaryWindows();
    return saved ? 0 : 1;
}
