#pragma once

#include "app/startup.h"

#include <QTest>

// The main() of a program of window tests or benchmarks: the application
// started as the program starts it, with the toolkit's file dialogs, which
// the tests answer, and a steady caret, so that pictures and timings do not
// depend on when the caret blinks.
template <typename Tests>
int runWindowTests(int argc, char **argv)
{
    const auto app = startApplication(argc, argv, FileDialogs::Toolkit);
    QApplication::setCursorFlashTime(0);
    Tests tests;
    return QTest::qExec(&tests, argc, argv);
}
