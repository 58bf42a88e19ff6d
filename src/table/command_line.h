// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's answers to --help and --version; any other argument leaves it to start as always.
#pragma once

namespace morvane {

// Prints the usage or the version and ends the program when either is asked for; returns otherwise.
// It needs no display, so it runs before the window's application is made.
void answerHelpOrVersion(int argc, char* argv[]);

}  // namespace morvane
