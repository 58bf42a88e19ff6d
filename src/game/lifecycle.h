// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The life of the program and of each game: load, title pause, deal, new game, win, quit.
#pragma once

#include "game.h"

namespace morvane {

void Form_Load(Game& game);
void Form_Activate(Game& game);
void Nuova_Click(Game& game);
void Finale(Game& game);
void Label5_Click(Game& game);
void esci_Click(Game& game);
void Form_Unload(Game& game);

// The decoration and the layout of places, piles and labels on the table.
void DisegnaForm(Game& game);

}  // namespace morvane
