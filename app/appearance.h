#pragma once

class QApplication;

// The look every window shares: one style and one Japanese font small enough
// that every caption and list item fits its fixed control.
void applyAppearance(QApplication &app);
