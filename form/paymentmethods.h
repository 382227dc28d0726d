#pragma once

#include "mainform.h"

#include <array>

// The nine payment methods in the order their lines stand in the listing (and
// in a memo file). A line's wording is not always its box's caption.
struct PaymentMethod {
    CheckBoxModel MainForm::*box;
    QString EditorState::*line;
    const char16_t *lineText;
};

inline constexpr int paymentMethodCount = 9;

inline const std::array<PaymentMethod, paymentMethodCount> paymentMethods{{
    {&MainForm::Check20, &EditorState::paymentLinePayment, u" ○ペイメント "},
    {&MainForm::Check5, &EditorState::paymentLineBankTransfer, u" ○銀行振込 "},
    {&MainForm::Check2, &EditorState::paymentLinePostalTransfer, u" ○郵便振替 "},
    {&MainForm::Check3, &EditorState::paymentLineEBank, u" ○イーバンク決算 "},
    {&MainForm::Check7, &EditorState::paymentLineJapanNetBank, u" ○ジャパンネットバンク決算 "},
    {&MainForm::Check6, &EditorState::paymentLineUfjBank, u" ○UFJ銀行決算 "},
    {&MainForm::Check9, &EditorState::paymentLineSurugaBank, u" ○スルガ銀行決算 "},
    {&MainForm::Check4, &EditorState::paymentLineCashOnDelivery, u" ○商品代引 "},
    {&MainForm::Check8, &EditorState::paymentLineRegisteredCash, u" ○現金書留 "},
}};

// The boxes a memo file stores, in its order: the payment methods', then
// omit payment and omit other notes.
inline const std::array<CheckBoxModel MainForm::*, paymentMethodCount + 2> memoBoxes = [] {
    std::array<CheckBoxModel MainForm::*, paymentMethodCount + 2> boxes{};
    for (int i = 0; i < paymentMethodCount; ++i)
        boxes[i] = paymentMethods[i].box;
    boxes[paymentMethodCount] = &MainForm::Check12;
    boxes[paymentMethodCount + 1] = &MainForm::Check13;
    return boxes;
}();
