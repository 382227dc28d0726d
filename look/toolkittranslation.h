#pragma once

class QApplication;

// Puts the toolkit's own texts (the buttons of message boxes, the file
// dialogs, the text boxes' context menus) into Japanese, like the rest of the
// window, whatever the desktop's language. Without Qt's translation files
// they stay as they are.
void translateToolkitIntoJapanese(QApplication &app);
