// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the written music of the pieces: pitch names, melodies bar by bar and chord symbols.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "score.h"

namespace morvane::soundgen {

// "A4", "C#5", "Bb3": MIDI note number, with A4 = 69.
int parsePitch(std::string_view name);

// "s", "e", "q", "h", "w" (sixteenth to whole), a trailing "." adds half: length in ticks.
int parseDuration(std::string_view symbol, const Meter& meter);

// One bar per string of "pitch:duration" words, "r:duration" for a rest; each bar must fill
// the meter exactly. Notes start at `startTick` and all get `velocity`.
std::vector<Note> parseMelody(std::span<const std::string_view> bars, const Meter& meter, int startTick, int velocity);

// A chord as pitch classes (0 = C): its root, its tones above the root, and the note in the bass.
struct Chord {
    int root = 0;
    std::vector<int> intervals;
    int bass = 0;

    std::vector<int> pitchClasses() const;
};

// "A", "Am", "E7", "Am7", "Bdim", with an optional bass: "Bb/D".
Chord parseChord(std::string_view symbol);

struct ChordSpan {
    Chord chord;
    int tick = 0;
    int length = 0;
};

// One bar per string of chord symbols, which share the bar equally: "Am", "Dm G7".
std::vector<ChordSpan> parseChords(std::span<const std::string_view> bars, const Meter& meter, int startTick);

}  // namespace morvane::soundgen
