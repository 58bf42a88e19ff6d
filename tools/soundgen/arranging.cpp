// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Turning written melodies and chords into the parts of a small Neapolitan band.
#include "arranging.h"

#include <algorithm>
#include <stdexcept>

namespace morvane::soundgen {

namespace {

constexpr int kTambourineNote = 54;

// The pitch of class `pitchClass` in the octave that starts at `low`.
int placeAbove(int pitchClass, int low) { return low + ((pitchClass - low) % 12 + 12) % 12; }

bool inChord(const Chord& chord, int pitch)
{
    const auto classes = chord.pitchClasses();
    return std::find(classes.begin(), classes.end(), pitch % 12) != classes.end();
}

std::vector<int> closePosition(const Chord& chord, int low)
{
    std::vector<int> pitches;
    for (const int pitchClass : chord.pitchClasses())
        pitches.push_back(placeAbove(pitchClass, low));
    std::sort(pitches.begin(), pitches.end());
    return pitches;
}

// Chord tones from the bass note upwards, over two octaves.
std::vector<int> chordLadder(const Chord& chord, int bassPitch)
{
    std::vector<int> ladder;
    for (int pitch = bassPitch; pitch < bassPitch + 24; ++pitch)
        if (inChord(chord, pitch))
            ladder.push_back(pitch);
    return ladder;
}

int secondBassClass(const Chord& chord) { return chord.bass == chord.root ? (chord.root + 7) % 12 : chord.root; }

}  // namespace

int Section::bars() const
{
    if (chords.size() != melody.size())
        throw std::invalid_argument("a section has not as many chord bars as melody bars");
    return static_cast<int>(melody.size());
}

void append(std::vector<Note>& notes, const std::vector<Note>& more)
{
    notes.insert(notes.end(), more.begin(), more.end());
}

std::vector<Note> transposed(std::vector<Note> notes, int semitones)
{
    for (auto& note : notes)
        note.pitch += semitones;
    return notes;
}

std::vector<Note> accented(std::vector<Note> notes, const Meter& meter, int onBar, int onPulse)
{
    for (auto& note : notes) {
        if (note.tick % meter.barTicks() == 0)
            note.velocity += onBar;
        else if (note.tick % meter.pulseTicks() == 0)
            note.velocity += onPulse;
    }
    return notes;
}

std::vector<Note> tremolo(std::span<const Note> melody, int strokeTicks, int minLength)
{
    constexpr int kUpStrokeSofter = 9;
    std::vector<Note> strokes;
    for (const auto& note : melody) {
        if (note.length < minLength) {
            strokes.push_back(note);
            continue;
        }
        const int count = std::max(1, note.length / strokeTicks);
        for (int i = 0; i < count; ++i) {
            const int length = i + 1 < count ? strokeTicks : note.end() - (note.tick + i * strokeTicks);
            const int velocity = note.velocity - (i % 2 == 1 ? kUpStrokeSofter : 0);
            strokes.push_back({note.tick + i * strokeTicks, length, note.pitch, velocity});
        }
    }
    return strokes;
}

std::vector<Note> pizzicatoBass(std::span<const ChordSpan> chords, const Meter& meter, int velocity)
{
    constexpr int kLowE = 40;
    std::vector<Note> notes;
    for (const auto& span : chords) {
        const int pulse = std::min(meter.pulseTicks(), span.length);
        for (int offset = 0; offset < span.length; offset += pulse) {
            const int pitchClass = offset == 0 ? span.chord.bass : secondBassClass(span.chord);
            const int length = std::min(pulse, span.length - offset);
            notes.push_back({span.tick + offset, length, placeAbove(pitchClass, kLowE), velocity});
        }
    }
    return notes;
}

std::vector<Note> brokenChords(std::span<const ChordSpan> chords, const Meter& meter, int velocity)
{
    constexpr int kLowA = 45;
    constexpr int kFirstNoteLouder = 6;
    static constexpr int pattern[] = {0, 2, 3, 4, 3, 2};
    std::vector<Note> notes;
    const int unit = meter.unitTicks();
    for (const auto& span : chords) {
        const auto ladder = chordLadder(span.chord, placeAbove(span.chord.bass, kLowA));
        for (int offset = 0, step = 0; offset < span.length; offset += unit, ++step) {
            const int pitch = ladder[pattern[step % std::size(pattern)]];
            const int length = std::min(2 * unit, span.length - offset);  // let each note ring into the next
            notes.push_back({span.tick + offset, length, pitch, velocity + (step == 0 ? kFirstNoteLouder : 0)});
        }
    }
    return notes;
}

std::vector<Note> heldChords(std::span<const ChordSpan> chords, int low, int velocity)
{
    std::vector<Note> notes;
    for (const auto& span : chords) {
        for (const int pitch : closePosition(span.chord, low)) {
            const auto held = std::find_if(notes.begin(), notes.end(), [&](const Note& note) {
                return note.pitch == pitch && note.end() == span.tick;
            });
            if (held != notes.end())
                held->length += span.length;
            else
                notes.push_back({span.tick, span.length, pitch, velocity});
        }
    }
    return notes;
}

std::vector<Note> offbeatChords(std::span<const ChordSpan> chords, const Meter& meter, int low, int velocity)
{
    std::vector<Note> notes;
    const int unit = meter.unitTicks();
    for (const auto& span : chords) {
        for (int offset = 0; offset < span.length; offset += unit) {
            if ((span.tick + offset) % meter.pulseTicks() == 0)
                continue;
            for (const int pitch : closePosition(span.chord, low))
                notes.push_back({span.tick + offset, unit * 2 / 3, pitch, velocity});
        }
    }
    return notes;
}

std::vector<Note> tambourine(int startTick, int bars, const Meter& meter, int velocity)
{
    constexpr int kOffBeatSofter = 22;
    std::vector<Note> notes;
    const int unit = meter.unitTicks();
    for (int tick = startTick; tick < startTick + bars * meter.barTicks(); tick += unit) {
        const bool onPulse = tick % meter.pulseTicks() == 0;
        notes.push_back({tick, unit / 2, kTambourineNote, velocity - (onPulse ? 0 : kOffBeatSofter)});
    }
    return notes;
}

}  // namespace morvane::soundgen
