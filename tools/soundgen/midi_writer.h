// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a piece as a Standard MIDI File: format 1, a tempo track and one track per part.
#pragma once

#include <cstdint>
#include <vector>

#include "score.h"

namespace morvane::soundgen {

// Every track ends exactly at the end of the last bar, so a player that loops at the end of the
// file starts again in time. Throws when a note lies outside the piece or off the MIDI ranges.
std::vector<std::uint8_t> midiFileBytes(const Piece& piece);

}  // namespace morvane::soundgen
