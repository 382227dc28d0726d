#pragma once

class QWidget;

// Gives the main window's fields the names a screen reader reads for them.
void nameFieldsForScreenReaders(QWidget *mainWindow);
