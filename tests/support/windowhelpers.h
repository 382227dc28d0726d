#pragma once

// What the window tests, the benchmarks and the screenshot tool all do with
// the real main window.
#include <QStringList>

#include <optional>

class MainWindow;
class QWidget;

// Makes `folder` a program folder: the named sample pictures copied from
// `pictures`, the preview program linked in. The window reads the pictures
// there, writes prev.html there and starts the preview program from there.
void prepareProgramFolder(const QString &folder, const QString &pictures, const QStringList &names);

// Answers a modal dialog: presses a message box's "Yes", "No" or "OK", or
// types the answer into a file dialog's name and accepts it. Returns what
// the dialog showed, "title|text|icon" of a message box and
// "folder|title|filter|name" of a file dialog; nothing for any other widget.
std::optional<QString> answerDialog(QWidget *modal, const QString &answer);

// Runs the Preview command and waits for the preview program to load the
// page; false if it failed or never loaded. `shownWindow` receives the id of
// the preview window when it showed during the wait.
bool previewAndWait(MainWindow &window, int timeoutMs = 60000, quint64 *shownWindow = nullptr);
