// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and about panels, opened from the menus and closed by any press.
#pragma once

#include "table.h"

namespace morvane {

void hidePanels(Table& table);

// A menu-bar entry with a submenu closes the panels as it opens; so does a click inside a panel.
void partita_Click(Table& table);
void opzioni_Click(Table& table);
void help_Click(Table& table);
void Text_Click(Table& table);

void Help_english_Click(Table& table);
void Help_italiano_Click(Table& table);
void about_Click(Table& table);

}  // namespace morvane
