#pragma once

// Picks the window system before the toolkit starts. The fixed-size windows,
// the preview placed beside the main window and the messages centred on it
// rely on window positions that a Wayland compositor does not grant, so where
// an X display is there (XWayland on a Wayland desktop) the program runs
// through it. A platform the user set is kept; without X, Wayland is used.
void chooseWindowSystem();

class QSize;
class QWidget;

// Whether the windows are on Wayland itself, not through XWayland.
bool onWayland();

// Gives a window a fixed size. On Wayland the window may grow, with its
// contents in place: a compositor ends a client whose window does not take the
// size it was maximised to.
void fixWindowSize(QWidget *window, const QSize &size);
