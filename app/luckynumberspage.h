#pragma once

#include "gamerules.h"

#include <QWidget>

#include <array>
#include <optional>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class RandomSource;

// The "LUCKY NUMBERS" page: the combination fields Text7(0) to Text7(2), the
// game options Option1 to Option4 with their labels, "Enter", and the hidden
// Combo1. The drawn numbers are kept in the window's hidden number fields.
class LuckyNumbersPage : public QWidget
{
    Q_OBJECT

public:
    LuckyNumbersPage(RandomSource &random,
                     const std::array<QLineEdit *, NumberFieldCount> &numberFields,
                     QWidget *parent = nullptr);

private:
    void Command1_Click();
    std::optional<Game> chosenGame() const;

    RandomSource &m_random;
    std::array<QLineEdit *, NumberFieldCount> m_numberFields;
    std::array<QLineEdit *, 3> Text7;
    QButtonGroup *m_games; // Option1 to Option4, by Game
    QPushButton *Command1;
};
