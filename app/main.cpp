#include "appearance.h"
#include "mainwindow.h"
#include "previewengine.h"
#include "toolkittranslation.h"
#include "unsavedinput.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    previewEngine::prepare();
    QApplication app(argc, argv);
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    guardUnsavedInput(window);
    return app.exec();
}
