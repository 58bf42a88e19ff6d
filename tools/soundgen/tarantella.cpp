// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Music after a won game: a bright tarantella in 6/8 for mandolin, accordion, strings, bass and tambourine.
#include "arranging.h"
#include "pieces.h"

namespace morvane::soundgen {

namespace {

constexpr Meter kSixEight{480, 6, 8};
constexpr int kQuarterAt180 = 333333;  // a felt beat of 120 a minute: one bar a second
constexpr int kTremoloStroke = 120;    // a 16th note, twelve strokes a second

// Running eighths over the tonic, subdominant and dominant.
const Section firstPhrase{
    {"A", "D", "E7", "A", "A", "D", "E7", "A"},
    {"C#5:e E5:e A5:e C#6:e A5:e E5:e", "F#5:e A5:e D6:e A5:e F#5:e D5:e", "E5:e G#5:e B5:e D6:e B5:e G#5:e",
     "A5:q C#6:e A5:q.", "C#6:e B5:e A5:e E5:e A5:e C#6:e", "D6:e C#6:e B5:e A5:e F#5:e D5:e",
     "E5:e F#5:e G#5:e B5:e A5:e G#5:e", "A5:q. E5:e C#5:e E5:e"},
};

// The answer, ending on the dominant so that the loop falls back into the first phrase.
const Section secondPhrase{
    {"F#m", "D", "A", "E7", "A", "D", "Bm E7", "A E7"},
    {"F#5:q. C#5:e F#5:e A5:e", "A5:q. F#5:e A5:e D6:e", "C#6:q. A5:e E5:e C#5:e", "B4:e D5:e E5:e G#5:q.",
     "A5:e C#6:e A5:e E5:e C#5:e E5:e", "F#5:e A5:e F#5:e D5:e F#5:e A5:e", "D6:e C#6:e B5:e B5:e G#5:e E5:e",
     "A5:q. E5:e D5:e B4:e"},
};

struct Band {
    // General MIDI has no mandolin: a steel-string guitar played in tremolo stands in for it.
    Part mandolin{{.name = "Mandolin", .channel = 0, .program = 25, .volume = 127, .pan = 56, .reverb = 40}, {}};
    Part accordion{{.name = "Accordion", .channel = 1, .program = 21, .volume = 110, .pan = 80, .reverb = 40}, {}};
    Part strings{{.name = "Strings", .channel = 3, .program = 48, .volume = 70, .pan = 40, .reverb = 60, .chorus = 20},
                 {}};
    Part bass{{.name = "Bass", .channel = 4, .program = 45, .volume = 80, .reverb = 30}, {}};
    Part tambourine{{.name = "Tambourine", .channel = 9, .volume = 100, .pan = 72, .reverb = 30}, {}};

    void play(const Section& section, bool withStrings, int startBar);
};

void Band::play(const Section& section, bool withStrings, int startBar)
{
    const int tick = startBar * kSixEight.barTicks();
    constexpr int kMiddleC = 60;
    constexpr int kMiddleD = 62;
    const auto tune = accented(parseMelody(section.melody, kSixEight, tick, 76), kSixEight, 8, 4);
    const auto chords = parseChords(section.chords, kSixEight, tick);
    append(mandolin.notes, tremolo(tune, kTremoloStroke, kSixEight.pulseTicks()));
    append(accordion.notes, offbeatChords(chords, kSixEight, kMiddleC, 62));
    append(bass.notes, pizzicatoBass(chords, kSixEight, 78));
    append(tambourine.notes, soundgen::tambourine(tick, section.bars(), kSixEight, 74));
    if (withStrings)
        append(strings.notes, heldChords(chords, kMiddleD, 54));
}

}  // namespace

Piece tarantella()
{
    Band band;
    band.play(firstPhrase, false, 0);
    band.play(secondPhrase, true, firstPhrase.bars());
    return {"Tarantella",
            kSixEight,
            kQuarterAt180,
            firstPhrase.bars() + secondPhrase.bars(),
            {band.mandolin, band.accordion, band.strings, band.bass, band.tambourine}};
}

}  // namespace morvane::soundgen
