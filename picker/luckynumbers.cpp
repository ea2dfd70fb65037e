#include "luckynumbers.h"

#include "draw.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>

namespace {

const GameRule *selectedGame(const LuckyNumberControls &controls)
{
    for (std::size_t game = 0; game < gameRules.size(); ++game) {
        if (controls.options[game]->isChecked())
            return &gameRules[game];
    }
    return nullptr;
}

// The drawn numbers are kept, and compared, as the fields' texts.
bool fieldsAllDiffer(const LuckyNumberControls &controls)
{
    for (int first = 0; first < NumberFieldCount; ++first) {
        for (int second = first + 1; second < NumberFieldCount; ++second) {
            if (controls.numberFields[first]->text() == controls.numberFields[second]->text())
                return false;
        }
    }
    return true;
}

void drawInto(QLineEdit *field, RandomSource &source, DrawRange range)
{
    field->setText(QString::number(DrawNumber(source, range.first, range.count)));
}

} // namespace

void DrawLuckyNumbers(const LuckyNumberControls &controls, RandomSource &source)
{
    // A loop rather than a nested press, so that a long run of repeats cannot
    // exhaust the stack.
    for (;;) {
        for (int field = 0; field < NumberFieldCount; ++field)
            drawInto(controls.numberFields[field], source, baseDraws[field]);

        const GameRule *game = selectedGame(controls);
        if (!game)
            return;

        for (int element = 0; element < int(controls.Text7.size()); ++element)
            controls.Text7[element]->setVisible(element == game->displayElement);
        if (game->ownDraws.count > 0) {
            for (int field = 0; field < NumberFieldCount; ++field)
                drawInto(controls.numberFields[field], source, game->ownDraws);
        }

        QStringList numbers;
        for (int field : game->shown)
            numbers << controls.numberFields[field]->text();
        controls.Text7[game->displayElement]->setText(numbers.join(u'-'));

        if (!game->allDifferent || fieldsAllDiffer(controls))
            return;
    }
}
