#pragma once
#include <cstdint>

// The game's one pseudo-random generator. Its sequence is part of the file format:
// a scrambled file carries only a seed, so every build must draw exactly alike.
class Rnd {
public:
    void randomize();             // seed from the time of day
    void restart(int32_t seed);   // the same seed always gives the same sequence
    double next();                // one draw in [0, 1)
    int32_t below(int32_t n);     // one draw of floor(rnd * n)

private:
    void step();

    uint32_t x_ = 0;  // 24 bits
};

Rnd& rnd();             // the one generator the game uses
int32_t newFileSeed();  // the seed every scrambled file gets: 1..3200000
