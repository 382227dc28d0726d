// The preview program: the browser engine in a process of its own, so that
// the editor starts without it and nothing the engine does can take the
// seller's input with it. The main program starts it at the first preview.
#include "look/appearance.h"
#include "look/toolkittranslation.h"
#include "previewsession.h"
#include "previewwindow.h"

#include <QApplication>

#include <cstdio>
#include <unistd.h>

// The engine's sandbox will not run as the administrator; without the switch
// that turns it off, the engine would end the program with no word why.
static bool sandboxRefusesToRun()
{
    return geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX") &&
           !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox");
}

int main(int argc, char *argv[])
{
    if (sandboxRefusesToRun()) {
        std::puts("refused root");
        return 1;
    }
    PreviewWindow::prepareApplication();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // the main program says when
    applyAppearance(app);
    translateToolkitIntoJapanese(app);
    PreviewSession session;
    return app.exec();
}
