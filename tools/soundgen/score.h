// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's music as the generator sees it: timed notes grouped into instrument parts.
#pragma once

#include <string>
#include <vector>

namespace morvane::soundgen {

// Ticks are MIDI ticks; a bar of `beats` notes of value 1/`beatUnit`.
struct Meter {
    int ticksPerQuarter = 480;
    int beats = 4;
    int beatUnit = 4;

    int unitTicks() const { return ticksPerQuarter * 4 / beatUnit; }
    int barTicks() const { return beats * unitTicks(); }
    // The felt beat: a dotted quarter in 6/8 or 12/8, the written beat otherwise.
    int pulseTicks() const { return beatUnit == 8 && beats % 3 == 0 ? 3 * unitTicks() : unitTicks(); }
};

struct Note {
    int tick = 0;
    int length = 0;
    int pitch = 60;  // MIDI note number, middle C is 60
    int velocity = 64;

    int end() const { return tick + length; }
};

// One General MIDI voice on its own channel, with its mixer settings.
struct Instrument {
    std::string name;
    int channel = 0;
    int program = 0;  // General MIDI program, counted from 0
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
};

struct Part {
    Instrument instrument;
    std::vector<Note> notes;
};

// A looping piece: it lasts exactly `bars` bars at one tempo.
struct Piece {
    std::string title;
    Meter meter;
    int microsecondsPerQuarter = 500000;
    int bars = 0;
    std::vector<Part> parts;

    int endTick() const { return bars * meter.barTicks(); }
};

}  // namespace morvane::soundgen
