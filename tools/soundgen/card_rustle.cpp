// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound of a card slid across the table and set down.
#include "card_rustle.h"

#include <algorithm>
#include <cmath>

#include "noise_shaping.h"

namespace morvane::soundgen {

namespace {

constexpr double kLengthSeconds = 0.26;
constexpr double kTapSeconds = 0.19;  // the card lands as the slide dies away
constexpr double kPeak = 0.5;         // -6 dBFS
constexpr std::uint32_t kSeed = 0x4D6F7276;

// Loudness of the slide: a quick start, a slow ebb as the card loses speed, gone by the tap.
double slideEnvelope(double t)
{
    return smoothStep(t, 0.0, 0.006) * (1.0 - 0.35 * t / kTapSeconds) * (1.0 - smoothStep(t, 0.14, kTapSeconds + 0.01));
}

// The tap: a click of a millisecond that dies within a few hundredths of a second.
double tapEnvelope(double t)
{
    if (t < kTapSeconds)
        return 0.0;
    return smoothStep(t, kTapSeconds, kTapSeconds + 0.001) * std::exp(-(t - kTapSeconds) / 0.011);
}

// The rustle slows down: its hiss falls from a bright to a duller band.
double slideCentreHz(double t) { return 4200.0 - 1600.0 * std::min(t / kTapSeconds, 1.0); }

class Rustle {
public:
    explicit Rustle(double sampleRate)
        : hiss_(sampleRate), paper_(sampleRate), knock_(sampleRate), body_(sampleRate), grain_(sampleRate, 40.0)
    {
    }

    double sample(double t)
    {
        const double white = noise_.next();
        // The card's surface drags unevenly: slow random swells of the hiss.
        const double grain = std::clamp(0.6 + 12.0 * grain_.process(noise_.next()), 0.2, 1.0);
        const double slide =
            0.7 * hiss_.process(white, slideCentreHz(t), 0.9) + 0.3 * paper_.process(white, 7000.0, 1.4);
        const double tap = 0.6 * knock_.process(white, 1300.0, 1.8) + 0.9 * body_.process(white, 420.0, 2.5);
        return slideEnvelope(t) * grain * slide + 2.2 * tapEnvelope(t) * tap;
    }

private:
    WhiteNoise noise_{kSeed};
    BandPass hiss_, paper_, knock_, body_;
    LowPass grain_;
};

std::vector<std::int16_t> toPcm(const std::vector<double>& signal)
{
    double peak = 0;
    for (const double value : signal)
        peak = std::max(peak, std::abs(value));
    const double scale = peak > 0 ? kPeak * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples;
    for (const double value : signal)
        samples.push_back(static_cast<std::int16_t>(std::lround(value * scale)));
    return samples;
}

}  // namespace

std::vector<std::int16_t> cardRustle(int sampleRate)
{
    const auto count = static_cast<std::size_t>(kLengthSeconds * sampleRate);
    Rustle rustle(sampleRate);
    std::vector<double> signal;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double fadeOut = 1.0 - smoothStep(t, kLengthSeconds - 0.02, kLengthSeconds - 1.0 / sampleRate);
        signal.push_back(rustle.sample(t) * fadeOut);
    }
    return toPcm(signal);
}

}  // namespace morvane::soundgen
