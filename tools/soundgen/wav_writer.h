// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing sound as a WAVE file of 16-bit PCM samples.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace morvane::soundgen {

// Mono samples at `sampleRate` frames a second.
std::vector<std::uint8_t> wavFileBytes(std::span<const std::int16_t> samples, int sampleRate);

}  // namespace morvane::soundgen
