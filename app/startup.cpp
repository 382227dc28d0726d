#include "startup.h"

#include "look/appearance.h"
#include "look/toolkittranslation.h"
#include "windowsystem.h"

std::unique_ptr<QApplication> startApplication(int &argc, char **argv, FileDialogs dialogs)
{
    chooseWindowSystem();
    if (dialogs == FileDialogs::Toolkit)
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto app = std::make_unique<QApplication>(argc, argv);
    applyAppearance(*app);
    translateToolkitIntoJapanese(*app);
    return app;
}
