// Handlers of the six colour lists.
#include "composer/colourtables.h"
#include "mainform.h"

void MainForm::onFrameColourPicked()
{
    Text1.setFocus();
    state.editedFlag = 1;
    if (auto code = colourtables::frame.valueAt(Combo1.index())) {
        EditorState &s = state;
        s.frameColour = *code;
        // The heading rows in this list's own spelling: the title's white
        // unquoted and the payment heading with its kana.
        s.titleHeadFragment = fragments::standardTitleHead(s, fragments::plainWhite);
        s.paymentFragment = fragments::standardPayment(s, fragments::paymentHeadingWithKana);
        s.descriptionHeadFragment = fragments::standardHead(s, s.descriptionLabel);
        s.otherHeadFragment = fragments::standardHead(s, s.otherLabel);
    }
    refreshListing();
}

void MainForm::onTextColourPicked()
{
    Text1.setFocus();
    state.editedFlag = 1;
    EditorState &s = state;
    if (auto code = colourtables::text.valueAt(Combo5.index()))
        s.textColour = *code;
    s.titleBodyFragment = fragments::standardTitleBody(s);
    s.paymentFragment = fragments::standardPayment(s);
    s.descriptionBodyFragment = fragments::standardBody(s, s.descriptionText);
    s.otherBodyFragment = fragments::standardBody(s, s.otherText);
    refreshListing();
}

void MainForm::onCustomColourPicked(CustomColour which)
{
    struct CustomList {
        ComboBoxModel MainForm::*box;
        const ChoiceTable &table;
        QString EditorState::*value;
    };
    // In the order of CustomColour.
    static const CustomList lists[] = {
        {&MainForm::Combo2, colourtables::headCell, &EditorState::headCellColour},
        {&MainForm::Combo3, colourtables::bodyCell, &EditorState::bodyCellColour},
        {&MainForm::Combo6, colourtables::headText, &EditorState::headTextColour},
        {&MainForm::Combo7, colourtables::bodyText, &EditorState::bodyTextColour},
    };
    const CustomList &l = lists[int(which)];
    Text1.setFocus();
    state.editedFlag = 1;
    if (auto code = l.table.valueAt((this->*l.box).index()))
        state.*l.value = *code;
    // Under the standard frame the colour waits for the next switch.
    rebuildAllByLayout();
    refreshListing();
}
