// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up with its title pause, the preparation of every deal, a new game, the win and the end.
#include "lifecycle.h"

#include <string>

#include "blink.h"
#include "deal.h"
#include "panels.h"
#include "sound_cues.h"

namespace morvane {
namespace {

constexpr double kTitlePauseSeconds = 3.0;
constexpr double kSecondsPerDay = 86400.0;

// Seconds since `start` on a time-of-day clock that wraps at midnight.
double secondsSince(double start, double now)
{
    const double elapsed = now - start;
    return elapsed < 0.0 ? elapsed + kSecondsPerDay : elapsed;
}

// The title picture stays for just over three seconds while the window keeps answering.
// Returns false when the window was closed during the pause.
bool titlePause(Game& game)
{
    const double start = game.ports.clock.secondsOfDay();
    double elapsed = 0.0;
    do {
        if (!game.ports.events.processEvents(kTitlePauseSeconds - elapsed)) {
            return false;
        }
        elapsed = secondsSince(start, game.ports.clock.secondsOfDay());
    } while (elapsed <= kTitlePauseSeconds);
    return true;
}

void parkAllCards(Table& table)
{
    for (CardIndex i = 1; i <= kCardCount; ++i) {
        table.move(i, geometry::kParkedLeft, geometry::kStockTop);
    }
}

void showPlaceMarks(Table& table)
{
    for (int i = 1; i <= kPlaces; ++i) {
        table.Shape1[static_cast<std::size_t>(i)].Visible = true;
    }
}

void showPilesAndLabels(Table& table)
{
    table.Label1.Visible = true;
    table.Label6.Visible = true;
    table.Mazzo.Visible = true;
    table.Mazzo2.Visible = true;
}

}  // namespace

void Form_Load(Game& game)
{
    Table& table = game.table;
    table.Nuova.Enabled = false;
    table.ReserveNext = kFirstReservePosition;
    setUpPlayers(game);
    hidePanels(table);
}

void DisegnaForm(Game& game)
{
    Table& table = game.table;
    for (int i = 1; i <= kPlaces; ++i) {
        Shape& mark = table.Shape1[static_cast<std::size_t>(i)];
        mark.Left = geometry::placeLeftOf(i);
        mark.Top = geometry::placeTopOf(i);
        mark.Width = geometry::kCardWidth;
        mark.Height = geometry::kCardHeight;
    }
    table.Mazzo2.Left = geometry::kReserveLeft;
    table.Mazzo2.Top = geometry::kReserveImageTop;
    table.Mazzo.Left = geometry::kStockLeft;
    table.Mazzo.Top = geometry::kStockTopEdge;
    table.Label1.Left = geometry::kLabel1Left;
    table.Label1.Top = geometry::kLabel1Top;
    table.Label6.Left = geometry::kLabel6Left;
    table.Label6.Top = geometry::kLabel6Top;
    table.decorationDrawn = true;
}

void Form_Activate(Game& game)
{
    Table& table = game.table;
    if (!table.Nuova.Enabled) {
        table.Label1.Visible = false;
        if (!titlePause(game)) {
            return;
        }
        table.titlePictureShown = false;
        table.Nuova.Enabled = true;
    }
    DisegnaForm(game);
    resetBlink(table);
    showPlaceMarks(table);
    parkAllCards(table);
    showPilesAndLabels(table);
    table.PlaceCard.fill(0);
    ++table.dealNumber;
    startMusic(game);
    Mescola(game);
}

void Nuova_Click(Game& game)
{
    Table& table = game.table;
    if (!table.Nuova.Enabled) {
        return;
    }
    reloadMusic(game);
    endDrag(game.hand);
    table.ReserveNext = kFirstReservePosition;
    table.Mazzo2.Visible = true;
    table.Label6.Visible = true;
    table.Label6.Caption = std::to_string(kReserveEnd - kFirstReservePosition);
    table.Label5.Visible = false;
    table.StockCards.clear();
    Form_Activate(game);
}

void Finale(Game& game)
{
    game.ports.beeper.beep();
    game.table.Label5.Visible = true;
    playFinalMusic(game);
}

void Label5_Click(Game& game) { Nuova_Click(game); }

void esci_Click(Game& game) { game.ports.window.closeWindow(); }

void Form_Unload(Game& game)
{
    closePlayers(game);
    game.table.closed = true;
}

}  // namespace morvane
