#include "commandline.h"
#include "look/appearance.h"
#include "look/toolkittranslation.h"
#include "mainwindow.h"
#include "unsavedinput.h"
#include "windowsystem.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    chooseWindowSystem();
    QApplication app(argc, argv);
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    if (!commandLine.memoPath.isEmpty())
        window.form().openMemoFile(commandLine.memoPath);
    guardUnsavedInput(window);
    return app.exec();
}
