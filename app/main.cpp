#include "look/appearance.h"
#include "look/toolkittranslation.h"
#include "mainwindow.h"
#include "unsavedinput.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    guardUnsavedInput(window);
    return app.exec();
}
