// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound of a card slid across the table and set down.
#pragma once

#include <cstdint>
#include <vector>

namespace morvane::soundgen {

// Mono 16-bit samples, about a quarter of a second, peaking at half of full scale (-6 dBFS).
std::vector<std::int16_t> cardRustle(int sampleRate);

}  // namespace morvane::soundgen
