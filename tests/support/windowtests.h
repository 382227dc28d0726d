#pragma once

#include <QApplication>
#include <QTest>

#include <memory>

// The application of a program of window tests or benchmarks, started as the
// program starts it, with the toolkit's file dialogs, which the tests answer,
// and a steady caret, so that pictures and timings do not depend on when the
// caret blinks.
std::unique_ptr<QApplication> startWindowTestApplication(int &argc, char **argv);

// The main() of such a program.
template <typename Tests>
int runWindowTests(int argc, char **argv)
{
    const auto app = startWindowTestApplication(argc, argv);
    Tests tests;
    return QTest::qExec(&tests, argc, argv);
}
