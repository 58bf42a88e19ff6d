// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI piece read into memory, checked and measured in ticks before FluidSynth is given it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

struct MidiPiece {
    std::vector<unsigned char> bytes;  // the whole Standard MIDI File
    std::int32_t lengthTicks = 0;      // the tick of the last track's end
};

// The piece in the file, or nothing when the file is missing, empty, not a MIDI file FluidSynth plays,
// or has no length to play.
std::optional<MidiPiece> readMidiPiece(const std::string& path);

// The same for a file already in memory.
std::optional<MidiPiece> measureMidiPiece(std::vector<unsigned char> bytes);

}  // namespace morvane
