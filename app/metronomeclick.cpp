#include "app/metronomeclick.h"

#include <array>
#include <cmath>

namespace {

// A short woodblock-like tick: two inharmonic partials with a fast attack and an
// exponential decay, ending in silence well before the last sample.
std::array<float, metronomeClickLength> makeClick()
{
    std::array<float, metronomeClickLength> t{};
    const double rate = 44100.0;
    const double twoPi = 6.283185307179586;
    for (int i = 0; i < metronomeClickLength; ++i) {
        const double s = i / rate;
        const double attack = std::min(1.0, i / 24.0);
        const double env = attack * std::exp(-s * 260.0);
        const double v = 0.62 * std::sin(twoPi * 1760.0 * s) + 0.28 * std::sin(twoPi * 2637.0 * s)
                         + 0.10 * std::sin(twoPi * 880.0 * s);
        t[i] = static_cast<float>(0.8 * env * v);
    }
    return t;
}

const std::array<float, metronomeClickLength> clickTable = makeClick();

} // namespace

const float *const metronomeClickSamples = clickTable.data();
