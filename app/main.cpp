#include "appearance.h"
#include "mainwindow.h"
#include "previewscheme.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    previewScheme::registerScheme();
    QApplication app(argc, argv);
    applyAppearance(app);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
