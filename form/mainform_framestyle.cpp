// The switch between the standard and the custom frame. Each switch sets the
// other box, which runs the other switch to its end in the middle of this
// one; this one then carries on and overwrites the layout, the window state
// and the fragments with its own.
#include "mainform.h"

void MainForm::onStandardFrameToggled()
{
    EditorState &s = state;
    s.editedFlag = 1;
    s.layoutMode = 0;
    if (Check1.value() == 1) {
        Check11.setValue(0);
        Check11.setBackground(panelGrey);
        Check1.setBackground(lightCyan);
        for (ComboBoxModel *list : {&Combo2, &Combo3, &Combo6, &Combo7})
            list->setEnabled(false);
        Combo1.setEnabled(true);
        Combo5.setEnabled(true);
        Image1.setFile(s.appFolder + "hime.jpg");
        Image2.setFile(s.appFolder + "kime2.jpg");
        fragments::buildStandardSet(s);
        s.layoutMode = 1;
    } else {
        Check11.setValue(1);
        s.layoutMode = 2;
    }
    refreshListing();
    Text1.setFocus();
}

void MainForm::onCustomFrameToggled()
{
    EditorState &s = state;
    s.editedFlag = 1;
    if (Check11.value() == 1) {
        Combo1.setEnabled(false);
        Combo5.setEnabled(false);
        Check1.setValue(0);
        for (ComboBoxModel *list : {&Combo2, &Combo3, &Combo6, &Combo7})
            list->setEnabled(true);
        Check11.setBackground(lightPink);
        Check1.setBackground(panelGrey);
        Image1.setFile(s.appFolder + "hime2.jpg");
        Image2.setFile(s.appFolder + "kime.jpg");
        s.layoutMode = 2;
        fragments::buildLayoutSet(s, fragments::customPiecesOfSwitch());
    } else {
        Check1.setValue(1);
        s.layoutMode = 1;
    }
    refreshListing();
    Text1.setFocus();
}
