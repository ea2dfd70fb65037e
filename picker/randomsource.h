#pragma once

// The program's one source of random numbers. The picker re-seeds it before
// every single draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Mixes the clock into the state; never restarts the sequence from the
    // clock alone, so re-seeds at the same clock reading still go on varying.
    virtual void Reseed() = 0;
    // The next fraction f, 0 <= f < 1.
    virtual float NextFraction() = 0;
};
