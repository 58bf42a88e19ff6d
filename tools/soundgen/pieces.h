// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's two pieces of music.
#pragma once

#include "score.h"

namespace morvane::soundgen {

// Background music, looped through a whole game: a barcarolle in A minor with a refrain in A major.
Piece barcarolle();

// Music after a won game, looped until the next deal: a short tarantella in A major.
Piece tarantella();

}  // namespace morvane::soundgen
