// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// At most one panel shows at a time: the English rules, the Italian rules or the about text.
#include "panels.h"

namespace morvane {

void hidePanels(Table& table)
{
    table.Text2.Visible = false;
    table.Text3.Visible = false;
    table.Text4.Visible = false;
}

void partita_Click(Table& table) { hidePanels(table); }
void opzioni_Click(Table& table) { hidePanels(table); }
void help_Click(Table& table) { hidePanels(table); }
void Text_Click(Table& table) { hidePanels(table); }

void Help_english_Click(Table& table)
{
    hidePanels(table);
    table.Text2.Visible = true;
}

void Help_italiano_Click(Table& table)
{
    hidePanels(table);
    table.Text3.Visible = true;
}

// "&Info" toggles the about text.
void about_Click(Table& table)
{
    const bool wasShown = table.Text4.Visible;
    hidePanels(table);
    table.Text4.Visible = !wasShown;
}

}  // namespace morvane
