#pragma once

class MainWindow;

// Keeps the seller's input when the program is ended from outside. When the
// desktop's session ends with unsaved input, the quit question comes as for
// a close, and No keeps the session from ending where the desktop allows it.
// SIGTERM, SIGHUP or SIGINT end the program quietly, after writing unsaved
// input into the user's state folder; the next start offers to open it,
// which this also arranges.
void guardUnsavedInput(MainWindow &window);
