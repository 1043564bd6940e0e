#include "core/Rnd.h"

#include <QTime>
#include <bit>

namespace {
constexpr uint32_t kStateMask = 0xFFFFFF;  // 2^24 - 1
constexpr double kStateRange = 16777216.0; // 2^24
}

void Rnd::step()
{
    x_ = (x_ * 1140671485u + 12820163u) & kStateMask;
}

void Rnd::randomize()
{
    x_ = uint32_t(QTime::currentTime().msecsSinceStartOfDay()) & kStateMask;
    step();
}

void Rnd::restart(int32_t seed)
{
    // The seed enters through the bit pattern of a negative float; widen first so -INT32_MIN exists.
    const auto bits = std::bit_cast<uint32_t>(static_cast<float>(-int64_t(seed)));
    x_ = (bits + (bits >> 24)) & kStateMask;
    step();
}

double Rnd::next()
{
    step();
    return x_ / kStateRange;
}

int32_t Rnd::below(int32_t n)
{
    step();
    // Integers, not x / 2^24 * n in doubles: the product may need 55 bits and must round the same everywhere.
    return int32_t((int64_t(x_) * n) >> 24);
}

Rnd& rnd()
{
    static Rnd generator;
    return generator;
}

int32_t newFileSeed()
{
    rnd().randomize();
    return rnd().below(3200000) + 1;
}
