// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Background music: a barcarolle in 6/8 for mandolin, accordion, guitar, strings and plucked bass.
#include <utility>

#include "arranging.h"
#include "pieces.h"

namespace morvane::soundgen {

namespace {

constexpr Meter kSixEight{480, 6, 8};
constexpr int kQuarterAt90 = 666667;  // a felt beat of 60 a minute: one bar every two seconds
constexpr int kTremoloStroke = 60;    // a 32nd note, twelve strokes a second

// A short mandolin tune that opens the piece and, when it loops, leads back into the verse.
const Section ritornello{
    {"Am", "Dm", "Bb/D", "E7"},
    {"C5:e B4:e A4:e E5:q.", "D5:e C5:e D5:e F5:q.", "F5:e E5:e D5:e Bb4:q.", "B4:q. G#4:q."},
};

// The verse ends on the dominant, reached through the flat second of the key.
const Section verse{
    {"Am", "Dm", "E7", "Am", "Dm", "Am", "Bb/D", "E7"},
    {"A4:e C5:e E5:e A5:q.", "F5:q E5:e D5:q.", "E5:e D5:e B4:e G#4:q.", "A4:q. r:e D5:e E5:e", "F5:q. A5:e F5:e D5:e",
     "E5:q. C5:e A4:e C5:e", "F5:q. D5:e Bb4:e D5:e", "E5:q. D5:e B4:e G#4:e"},
};

// The verse again, closing on the tonic this time.
const Section verseReply{
    {"Am", "Dm", "E7", "Am", "Dm G7", "C F", "Bb/D E7", "Am"},
    {"A4:e C5:e E5:e A5:q.", "F5:q E5:e D5:q.", "E5:e D5:e B4:e G#4:q.", "A4:q. r:e D5:e E5:e", "F5:e E5:e D5:e B4:q.",
     "C5:e E5:e G5:e A5:q.", "F5:q D5:e E5:q D5:e", "C5:q B4:e A4:q."},
};

// The refrain turns to the major key.
const Section refrain{
    {"A", "D", "E7", "A", "F#m", "Bm", "E7", "A E7"},
    {"C#5:e D5:e E5:e A5:q.", "A5:q F#5:e D5:q.", "B4:e C#5:e D5:e E5:q.", "C#5:q. r:e E5:e F#5:e",
     "A5:q. F#5:e E5:e C#5:e", "D5:q. F#5:e E5:e D5:e", "E5:q. D5:q B4:e", "A4:q. G#4:e A4:e B4:e"},
};

// The refrain again, darkening through D minor back to the minor key, so that the loop starts
// from the dominant into the ritornello.
const Section refrainReply{
    {"A", "D", "E7", "A A7", "D", "Dm", "Am/E", "E7"},
    {"C#5:e D5:e E5:e A5:q.", "A5:q F#5:e D5:q.", "B4:e C#5:e D5:e G#5:q.", "A5:q. G5:q.", "F#5:q. A5:e F#5:e D5:e",
     "F5:q. D5:e F5:e A5:e", "E5:q. C5:e A4:e C5:e", "E5:q D5:e B4:q G#4:e"},
};

// Who plays the tune of a section, and whether the strings join.
struct Scoring {
    bool mandolin = false;
    bool accordion = false;
    int accordionOctave = 0;
    bool strings = false;
};

struct Band {
    // General MIDI has no mandolin: a steel-string guitar played in tremolo stands in for it.
    Part mandolin{{.name = "Mandolin", .channel = 0, .program = 25, .volume = 127, .pan = 52, .reverb = 50}, {}};
    Part accordion{{.name = "Accordion", .channel = 1, .program = 21, .volume = 127, .pan = 80, .reverb = 50}, {}};
    Part guitar{{.name = "Guitar", .channel = 2, .program = 24, .volume = 84, .pan = 40}, {}};
    Part strings{{.name = "Strings", .channel = 3, .program = 48, .volume = 72, .pan = 88, .reverb = 60, .chorus = 20},
                 {}};
    Part bass{{.name = "Bass", .channel = 4, .program = 45, .volume = 88, .reverb = 30}, {}};

    void play(const Section& section, const Scoring& scoring, int startBar);
};

void Band::play(const Section& section, const Scoring& scoring, int startBar)
{
    const int tick = startBar * kSixEight.barTicks();
    constexpr int kLowG = 55;
    // Velocities stay between 50 and 78: music to play cards by, not to listen to.
    const auto tune = accented(parseMelody(section.melody, kSixEight, tick, 70), kSixEight, 8, 4);
    const auto chords = parseChords(section.chords, kSixEight, tick);
    if (scoring.mandolin)
        append(mandolin.notes, tremolo(tune, kTremoloStroke, kSixEight.pulseTicks()));
    if (scoring.accordion)
        append(accordion.notes, transposed(tune, 12 * scoring.accordionOctave));
    if (scoring.strings)
        append(strings.notes, heldChords(chords, kLowG, 50));
    append(guitar.notes, brokenChords(chords, kSixEight, 52));
    append(bass.notes, pizzicatoBass(chords, kSixEight, 70));
}

}  // namespace

Piece barcarolle()
{
    const std::pair<const Section&, Scoring> order[] = {
        {ritornello, {.mandolin = true}},
        {verse, {.mandolin = true}},
        {verseReply, {.accordion = true, .strings = true}},
        {refrain, {.mandolin = true, .strings = true}},
        {refrainReply, {.mandolin = true, .accordion = true, .accordionOctave = -1, .strings = true}},
    };
    Band band;
    int bars = 0;
    for (const auto& [section, scoring] : order) {
        band.play(section, scoring, bars);
        bars += section.bars();
    }
    return {"Barcarolle",
            kSixEight,
            kQuarterAt90,
            bars,
            {band.mandolin, band.accordion, band.guitar, band.strings, band.bass}};
}

}  // namespace morvane::soundgen
