#pragma once

#include "gamerules.h"
#include "randomsource.h"

#include <array>

class QAbstractButton;
class QLineEdit;

// The controls of the picker: the game buttons Option1 to Option4, the hidden
// number fields text1 to Text6, and the elements of Text7.
struct LuckyNumberControls
{
    std::array<QAbstractButton *, 4> options;
    std::array<QLineEdit *, NumberFieldCount> numberFields;
    std::array<QLineEdit *, 3> Text7;
};

// One press of "Enter": the base draws into the number fields, then the chosen
// game's draws and combination. Pick 5 and Pick 6 draw the whole set again
// until no two numbers are equal.
void DrawLuckyNumbers(const LuckyNumberControls &controls, RandomSource &source);
