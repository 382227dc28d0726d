// Takes the pictures of the README: the main window in the standard frame and
// in the custom frame, and the preview window, with a small sample listing.
// Run by scripts/screenshots.sh under a virtual display:
//   rumita_screenshots OUTPUT_FOLDER PICTURES_FOLDER
#include "app/desktopinterface.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "tests/support/windowhelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QScreen>

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

int main(int argc, char *argv[])
{
    const auto app = startApplication(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER PICTURES_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QDir pictures(QString::fromLocal8Bit(argv[2]));

    // The program's folder holds the sample pictures and the preview
    // program, and receives prev.html.
    QTemporaryDir folder;
    prepareProgramFolder(folder.path(), pictures.path(),
                         {"hime.jpg", "hime2.jpg", "kime.jpg", "kime2.jpg"});

    MainWindow window(folder.path());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    MainForm &form = window.form();
    form.Text1.setText("手作り 木製オルゴール 新品");
    form.Text2.setText(
        "ご覧いただきありがとうございます。\r\n"
        "桜の木で作った小さなオルゴールです。\r\n"
        "サイズ：横12cm×奥行8cm×高さ6cm\r\n"
        "箱と説明書が付きます。");
    form.Text3.setText(
        "ノークレーム・ノーリターンでお願いします。\r\n"
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

    // The preview window belongs to the preview program: its picture comes
    // from the display.
    quint64 previewWindow = 0;
    if (!previewAndWait(window, 60000, &previewWindow) || !previewWindow) {
        std::fprintf(stderr, "the preview did not load\n");
        return 1;
    }
    // Loaded is not yet painted: give the engine's compositor its frames.
    QTest::qWait(1500);
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(previewWindow);
    const QString path = output.filePath("screenshot-preview.png");
    const bool saved = picture.save(path);
    std::printf("%s\n", qPrintable(path));
    window.desktop().closeSecondaryWindows();
    return saved ? 0 : 1;
}
