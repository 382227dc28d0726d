#pragma once

class QApplication;
class QFont;
class QWidget;

// The look every window shares: one style and one Japanese font small enough
// that every caption and list item fits its fixed control.
void applyAppearance(QApplication &app);

// The program's font a pixel smaller, for the few controls too narrow for
// their texts at the full size: the lists (57 pixels for "灰　色　") and the
// paste button.
QFont compactFont();

// Gives a window the program's palette and font, so that nothing the desktop
// sets (a dark palette, a large font, fonts or colours per kind of widget)
// reaches the fixed backgrounds and small controls inside it.
void fixWindowLook(QWidget *window);
