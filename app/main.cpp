#include "appearance.h"
#include "commandline.h"
#include "mainwindow.h"
#include "previewengine.h"
#include "toolkittranslation.h"
#include "windowsystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    chooseWindowSystem();
    previewEngine::prepare();
    QApplication app(argc, argv);
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    if (!commandLine.memoPath.isEmpty())
        window.form().openMemoFile(commandLine.memoPath);
    return app.exec();
}
