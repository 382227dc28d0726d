#include "windowtests.h"

#include "app/startup.h"

std::unique_ptr<QApplication> startWindowTestApplication(int &argc, char **argv)
{
    auto app = startApplication(argc, argv, FileDialogs::Toolkit);
    QApplication::setCursorFlashTime(0);
    return app;
}
