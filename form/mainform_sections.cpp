// Handlers of the payment boxes, the two omission boxes and the title size.
#include "composer/choicetable.h"
#include "mainform.h"
#include "paymentmethods.h"

void MainForm::rebuildPaymentText()
{
    QString text;
    for (const PaymentMethod &method : paymentMethods)
        text += state.*method.line;
    state.paymentText = text + state.paymentFootnote;
}

void MainForm::onPaymentMethodToggled(int index)
{
    const PaymentMethod &method = paymentMethods[index];
    state.editedFlag = 1;
    // The grey third state counts as unticked.
    state.*method.line =
        (this->*method.box).value() == 1 ? QString::fromUtf16(method.lineText) : QString();
    rebuildPaymentText();
    if (state.layoutMode == 1)
        state.paymentFragment = fragments::standardPayment(state);
    else
        rebuildAllByLayout();
    refreshListing();
}

void MainForm::onOmitPaymentToggled()
{
    state.editedFlag = 1;
    const bool omit = Check12.value() == 1;
    // The boxes keep their ticks, so lifting the omission brings the same lines back.
    for (const PaymentMethod &method : paymentMethods)
        (this->*method.box).setEnabled(!omit);
    state.omitPayment = omit ? 1 : 0;
    refreshListing();
}

void MainForm::onOmitOtherToggled()
{
    state.editedFlag = 1;
    const bool omit = Check13.value() == 1;
    Text3.setEnabled(!omit);
    Text3.setBackground(omit ? buttonFace : white);
    state.omitOther = omit ? 1 : 0;
    refreshListing();
}

void MainForm::onTitleSizePicked()
{
    Text1.setFocus();
    state.editedFlag = 1;
    if (auto size = titleSizes.valueAt(Combo4.index()))
        state.titleSize = *size;
    if (state.layoutMode == 1)
        state.titleBodyFragment = fragments::standardTitleBody(state);
    else if (state.layoutMode == 2)
        state.titleBodyFragment = fragments::layoutTitleBody(state, fragments::customPieces());
    else
        rebuildAllByLayout();
    refreshListing();
}
