// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Noise and the filters and envelopes that shape it into the card rustle.
#include "noise_shaping.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvane::soundgen {

double WhiteNoise::next()
{
    // xorshift32: tiny, and its sequence depends on nothing but the seed.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

double BandPass::process(double input, double centreHz, double q)
{
    const double omega = 2 * std::numbers::pi * centreHz / sampleRate_;
    const double alpha = std::sin(omega) / (2 * q);
    const double a0 = 1 + alpha;
    const double output = (alpha * input - alpha * in2_ + 2 * std::cos(omega) * out1_ - (1 - alpha) * out2_) / a0;
    in2_ = in1_;
    in1_ = input;
    out2_ = out1_;
    out1_ = output;
    return output;
}

LowPass::LowPass(double sampleRate, double cutoffHz)
    : feedback_(std::exp(-2 * std::numbers::pi * cutoffHz / sampleRate))
{
}

double LowPass::process(double input)
{
    state_ = input + feedback_ * (state_ - input);
    return state_;
}

double smoothStep(double t, double from, double to)
{
    const double x = std::clamp((t - from) / (to - from), 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

}  // namespace morvane::soundgen
