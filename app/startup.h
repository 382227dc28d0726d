#pragma once

#include <QApplication>

#include <memory>

// Whose file dialogs the program shows: the desktop's own, or the toolkit's,
// which the window tests can answer.
enum class FileDialogs { Desktop, Toolkit };

// Starts the main program's application as the seller meets it: the window
// system chosen, the look and the toolkit's own texts in Japanese. The
// program, its window tests, the benchmarks and the screenshot tool all start
// here, so that what they run is the window the seller sees.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv,
                                               FileDialogs dialogs = FileDialogs::Desktop);
