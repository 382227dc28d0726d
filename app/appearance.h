#pragma once

class QApplication;
class QFont;

// The look every window shares: one style and one Japanese font small enough
// that every caption and list item fits its fixed control.
void applyAppearance(QApplication &app);

// The program's own font, whatever the desktop's: a proportional gothic.
QFont programFont();
// The same a pixel smaller, for the few controls too narrow for their texts
// at the full size: the lists (57 pixels for "灰　色　") and the paste button.
QFont compactFont();
