#include "luckynumbers.h"

#include "draw.h"

#include <QStringList>

namespace {

std::array<int, NumberFieldCount> drawSix(RandomSource &source,
                                          const std::array<DrawRange, NumberFieldCount> &ranges)
{
    std::array<int, NumberFieldCount> numbers{};
    for (int field = 0; field < NumberFieldCount; ++field)
        numbers[field] = DrawNumber(source, ranges[field].first, ranges[field].count);
    return numbers;
}

// The fields keep the numbers as texts, and the rule compares those texts.
bool allDiffer(const std::array<QString, NumberFieldCount> &texts)
{
    for (int first = 0; first < NumberFieldCount; ++first) {
        for (int second = first + 1; second < NumberFieldCount; ++second) {
            if (texts[first] == texts[second])
                return false;
        }
    }
    return true;
}

} // namespace

LuckyDraw DrawLuckyNumbers(std::optional<Game> game, RandomSource &source)
{
    // A loop rather than a nested press, so that a long run of repeats cannot
    // exhaust the stack.
    for (;;) {
        LuckyDraw draw;
        draw.base = drawSix(source, baseDraws);
        draw.fields = draw.base;
        if (!game)
            return draw;

        const GameRule &rule = gameRules[std::size_t(*game)];
        draw.displayElement = rule.displayElement;
        if (rule.ownDraws.count > 0) {
            std::array<DrawRange, NumberFieldCount> own;
            own.fill(rule.ownDraws);
            draw.fields = drawSix(source, own);
        }
        std::array<QString, NumberFieldCount> texts;
        for (int field = 0; field < NumberFieldCount; ++field)
            texts[field] = QString::number(draw.fields[field]);
        QStringList shown;
        for (int field : rule.shown)
            shown << texts[field];
        draw.combination = shown.join(u'-');

        if (!rule.allDifferent || allDiffer(texts))
            return draw;
    }
}
