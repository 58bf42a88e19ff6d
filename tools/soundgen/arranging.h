// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Turning written melodies and chords into the parts of a small Neapolitan band.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "notation.h"
#include "score.h"

namespace morvane::soundgen {

// A stretch of a piece written as a melody over chords, one string per bar for each.
struct Section {
    std::vector<std::string_view> chords;
    std::vector<std::string_view> melody;

    int bars() const;  // throws when melody and chords differ in length
};

void append(std::vector<Note>& notes, const std::vector<Note>& more);

std::vector<Note> transposed(std::vector<Note> notes, int semitones);

// Phrasing of a tune: the first note of a bar and of each felt beat are played louder.
std::vector<Note> accented(std::vector<Note> notes, const Meter& meter, int onBar, int onPulse);

// A mandolin holds a long note by repeating it quickly, alternating down and up strokes; notes of
// at least `minLength` ticks become strokes of `strokeTicks`, shorter ones are plucked once.
std::vector<Note> tremolo(std::span<const Note> melody, int strokeTicks, int minLength);

// Plucked bass: the bass note on the first felt beat of a chord, then its fifth (or its root, over
// a bass that is not the root) on each further beat.
std::vector<Note> pizzicatoBass(std::span<const ChordSpan> chords, const Meter& meter, int velocity);

// Guitar: the chord broken in notes of the meter's unit, up from the bass and back down.
std::vector<Note> brokenChords(std::span<const ChordSpan> chords, const Meter& meter, int velocity);

// Strings: each chord held in close position in the octave from `low`; a tone shared by two
// chords in a row is held over instead of played again.
std::vector<Note> heldChords(std::span<const ChordSpan> chords, int low, int velocity);

// Accordion of a tarantella: short chords on the off-beat units, the bass taking the beats.
std::vector<Note> offbeatChords(std::span<const ChordSpan> chords, const Meter& meter, int low, int velocity);

// Tambourine on the percussion channel: a shake on every unit, stronger on the felt beats.
std::vector<Note> tambourine(int startTick, int bars, const Meter& meter, int velocity);

}  // namespace morvane::soundgen
