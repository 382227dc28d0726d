#include "commandline.h"
#include "mainwindow.h"
#include "startup.h"
#include "unsavedinput.h"

int main(int argc, char *argv[])
{
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.exitCode)
        return *commandLine.exitCode;
    const auto app = startApplication(argc, argv);
    MainWindow window(QCoreApplication::applicationDirPath());
    window.show();
    if (!commandLine.memoPath.isEmpty())
        window.form().openMemoFile(commandLine.memoPath);
    guardUnsavedInput(window);
    return app->exec();
}
