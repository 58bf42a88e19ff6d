// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Noise and the filters and envelopes that shape it into the card rustle.
#pragma once

#include <cstdint>

namespace morvane::soundgen {

// White noise in [-1, 1) from a fixed seed, the same on every machine.
class WhiteNoise {
public:
    explicit WhiteNoise(std::uint32_t seed) : state_(seed != 0 ? seed : 1) {}
    double next();

private:
    std::uint32_t state_;
};

// Band-pass filter of unit gain at its centre; the centre may move from sample to sample.
class BandPass {
public:
    explicit BandPass(double sampleRate) : sampleRate_(sampleRate) {}
    double process(double input, double centreHz, double q);

private:
    double sampleRate_;
    double in1_ = 0, in2_ = 0, out1_ = 0, out2_ = 0;
};

// One-pole low-pass filter, for slow changes such as the grain of a card's surface.
class LowPass {
public:
    LowPass(double sampleRate, double cutoffHz);
    double process(double input);

private:
    double feedback_;
    double state_ = 0;
};

// A smooth rise from 0 at `from` to 1 at `to` (half a cosine), flat outside.
double smoothStep(double t, double from, double to);

}  // namespace morvane::soundgen
