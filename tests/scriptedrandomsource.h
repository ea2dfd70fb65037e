#pragma once

#include "randomsource.h"

#include <QList>
#include <QString>

#include <stdexcept>

// Gives the fractions it is told, in order, and records every call, so that a
// test can see that each fraction follows its own re-seed. Asked for more than
// it was told, it throws: a draw rule that keeps drawing fails its test rather
// than hang it.
class ScriptedRandomSource : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<float> fractions = {}) : m_fractions(std::move(fractions))
    {
    }

    // The fraction that draws value from first .. first + count - 1.
    static float fractionFor(int value, int first, int count)
    {
        return (float(value - first) + 0.5f) / float(count);
    }

    void add(int value, int first, int count) { m_fractions << fractionFor(value, first, count); }

    void Reseed() override { m_calls += u'R'; }
    float NextFraction() override
    {
        m_calls += u'F';
        if (m_fractions.isEmpty())
            throw std::logic_error("ScriptedRandomSource: asked for more fractions than scripted");
        return m_fractions.takeFirst();
    }

    QString calls() const { return m_calls; }
    qsizetype fractionsLeft() const { return m_fractions.size(); }

private:
    QList<float> m_fractions;
    QString m_calls;
};
