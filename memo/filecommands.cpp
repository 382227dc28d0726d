// New, Open and Save of memo files.
#include "composer/mainform.h"

void MainForm::newMemo() {}
void MainForm::openMemo() {}
void MainForm::saveMemo() {}
