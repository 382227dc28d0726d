#include "look/appearance.h"
#include "mainwindow.h"
#include "look/toolkittranslation.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    return app.exec();
}
