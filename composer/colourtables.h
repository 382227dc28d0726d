#pragma once

#include "choicetable.h"

// The whole colour vocabulary of the program. The custom frame's codes end in
// one space, which goes into the HTML with the code.
namespace colourtables {
extern const ChoiceTable frame;     // Combo1, standard frame heading rows
extern const ChoiceTable text;      // Combo5, standard frame texts
extern const ChoiceTable headCell;  // Combo2, custom frame heading cells
extern const ChoiceTable bodyCell;  // Combo3, custom frame body cells
extern const ChoiceTable headText;  // Combo6, custom frame heading texts
extern const ChoiceTable bodyText;  // Combo7, custom frame body texts
}  // namespace colourtables
