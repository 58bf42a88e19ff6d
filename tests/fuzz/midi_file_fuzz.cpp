// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes through the check a MIDI file passes before FluidSynth is given it: the check always
// ends, reads nothing outside the bytes, and accepts only a piece that has a length to play.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/midi_piece.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto piece = morvane::measureMidiPiece(std::vector<unsigned char>(data, data + size));
    if (piece && (piece->lengthTicks <= 0 || piece->bytes.size() != size)) {
        std::fprintf(stderr, "accepted a piece of %d ticks from %zu bytes, keeping %zu\n", piece->lengthTicks, size,
                     piece->bytes.size());
        std::abort();
    }
    return 0;
}
