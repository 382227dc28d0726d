#pragma once

// Picks the window system before the toolkit starts. The fixed-size windows,
// the preview placed beside the main window and the messages centred on it
// rely on window positions that a Wayland compositor does not grant, so where
// an X display is there (XWayland on a Wayland desktop) the program runs
// through it. A platform the user set is kept; without X, Wayland is used.
void chooseWindowSystem();
