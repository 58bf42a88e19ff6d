// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules and about panels: which one shows after each menu choice or click, never more than one.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "game/lifecycle.h"
#include "game/panels.h"
#include "support/fake_ports.h"

namespace morvane {
namespace {

enum class Shown { None, English, Italian, About, Several };

std::ostream& operator<<(std::ostream& out, Shown shown)
{
    static const char* const names[] = {"none", "English rules", "Italian rules", "about", "several panels"};
    return out << names[static_cast<int>(shown)];
}

Shown shownPanel(const Table& table)
{
    const int count = (table.Text2.Visible ? 1 : 0) + (table.Text3.Visible ? 1 : 0) + (table.Text4.Visible ? 1 : 0);
    if (count > 1) {
        return Shown::Several;
    }
    if (table.Text2.Visible) {
        return Shown::English;
    }
    if (table.Text3.Visible) {
        return Shown::Italian;
    }
    return table.Text4.Visible ? Shown::About : Shown::None;
}

void open(Table& table, Shown panel)
{
    switch (panel) {
    case Shown::English:
        Help_english_Click(table);
        break;
    case Shown::Italian:
        Help_italiano_Click(table);
        break;
    case Shown::About:
        about_Click(table);
        break;
    case Shown::None:
    case Shown::Several:
        break;
    }
}

struct Choice {
    std::string name;
    std::function<void(Table&)> handler;
};

std::ostream& operator<<(std::ostream& out, const Choice& choice) { return out << choice.name; }

const Choice kGameMenu{"opening &Game", partita_Click};
const Choice kOptionsMenu{"opening &Options", opzioni_Click};
const Choice kHelpMenu{"opening &Help", help_Click};
const Choice kClickInPanel{"a click inside a panel", Text_Click};
const Choice kEnglish{"English", Help_english_Click};
const Choice kItalian{"Italiano", Help_italiano_Click};
const Choice kInfo{"&Info", about_Click};

struct Transition {
    Shown before;
    Choice choice;
    Shown after;
};

std::ostream& operator<<(std::ostream& out, const Transition& t)
{
    return out << t.before << " shown, then " << t.choice << ": " << t.after;
}

class PanelChoice : public ::testing::TestWithParam<Transition> {};

TEST_P(PanelChoice, LeavesOnePanelOrNone)
{
    Table table;
    hidePanels(table);
    open(table, GetParam().before);
    ASSERT_EQ(shownPanel(table), GetParam().before);
    GetParam().choice.handler(table);
    EXPECT_EQ(shownPanel(table), GetParam().after);
}

// Opening a menu with a submenu, or clicking into a panel, closes whatever is open.
INSTANTIATE_TEST_SUITE_P(Closers, PanelChoice,
                         ::testing::Values(Transition{Shown::English, kGameMenu, Shown::None},
                                           Transition{Shown::Italian, kGameMenu, Shown::None},
                                           Transition{Shown::About, kGameMenu, Shown::None},
                                           Transition{Shown::English, kOptionsMenu, Shown::None},
                                           Transition{Shown::About, kOptionsMenu, Shown::None},
                                           Transition{Shown::Italian, kHelpMenu, Shown::None},
                                           Transition{Shown::About, kHelpMenu, Shown::None},
                                           Transition{Shown::None, kHelpMenu, Shown::None},
                                           Transition{Shown::English, kClickInPanel, Shown::None},
                                           Transition{Shown::Italian, kClickInPanel, Shown::None},
                                           Transition{Shown::About, kClickInPanel, Shown::None}));

// "English" and "Italiano" always end with their panel shown, also when it was shown already.
INSTANTIATE_TEST_SUITE_P(Rules, PanelChoice,
                         ::testing::Values(Transition{Shown::None, kEnglish, Shown::English},
                                           Transition{Shown::English, kEnglish, Shown::English},
                                           Transition{Shown::Italian, kEnglish, Shown::English},
                                           Transition{Shown::About, kEnglish, Shown::English},
                                           Transition{Shown::None, kItalian, Shown::Italian},
                                           Transition{Shown::Italian, kItalian, Shown::Italian},
                                           Transition{Shown::English, kItalian, Shown::Italian},
                                           Transition{Shown::About, kItalian, Shown::Italian}));

// "&Info" toggles the about text and closes the rules.
INSTANTIATE_TEST_SUITE_P(Info, PanelChoice,
                         ::testing::Values(Transition{Shown::None, kInfo, Shown::About},
                                           Transition{Shown::About, kInfo, Shown::None},
                                           Transition{Shown::English, kInfo, Shown::About},
                                           Transition{Shown::Italian, kInfo, Shown::About}));

TEST(Panels, AreAllHiddenAtLoad)
{
    testing::FakeMachine m;
    m.game.table.Text2.Visible = true;
    m.game.table.Text3.Visible = true;
    m.game.table.Text4.Visible = true;
    Form_Load(m.game);
    EXPECT_EQ(shownPanel(m.game.table), Shown::None);
}

TEST(Panels, ShowingAPanelChangesNothingInTheGame)
{
    const auto machine = testing::dealtGame({3, 14, 25, 36, 7});
    const Table before = machine->game.table;
    Help_english_Click(machine->game.table);
    about_Click(machine->game.table);
    const Table& after = machine->game.table;
    for (CardIndex n = 1; n <= kCardCount; ++n) {
        EXPECT_EQ(after.card(n).Left, before.card(n).Left);
        EXPECT_EQ(after.card(n).Top, before.card(n).Top);
        EXPECT_EQ(after.card(n).Enabled, before.card(n).Enabled);
    }
    EXPECT_EQ(after.drawingOrder, before.drawingOrder);
    EXPECT_EQ(after.Timer1.Enabled, before.Timer1.Enabled);
    EXPECT_EQ(after.PlaceCard, before.PlaceCard);
}

}  // namespace
}  // namespace morvane
