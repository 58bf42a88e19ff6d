// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game opens its music and card rustle from: beside the program, or its installed data folder.
#pragma once

#include <string>

namespace morvane {

// The program's own folder when any sound file lies there (a build tree, a portable folder);
// otherwise the data folder installed with the game, found relative to the program, when it holds
// them; otherwise the program's folder still, where the game plays on silently as without them.
std::string soundFolder(const std::string& programFolder);

}  // namespace morvane
