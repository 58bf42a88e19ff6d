// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// When the music and the card rustle play: the commands the game sends to its two players.
#pragma once

#include <array>

#include "game.h"

namespace morvane {

// The three sound files, relative to the folder the game opens its sound from.
inline constexpr const char* kBackgroundMusicFile = "Music/10vazid.mid";
inline constexpr const char* kFinalMusicFile = "Music/finale.mid";
inline constexpr const char* kRustleFile = "carta.wav";
inline constexpr std::array<const char*, 3> kSoundFiles{kBackgroundMusicFile, kFinalMusicFile, kRustleFile};

// Steps run at points of the game's life.
void setUpPlayers(Game& game);    // window load
void startMusic(Game& game);      // every table preparation, before the deal
void reloadMusic(Game& game);     // a new deal, before the table is prepared
void playFinalMusic(Game& game);  // a won game
void cardRustle(Game& game);      // every card release and every turn of the stock
void closePlayers(Game& game);    // the window closes

// Menu items and player notifications.
void Option_music_Click(Game& game);
void Option_card_rustle_Click(Game& game);
void MMC1_Done(Game& game);
void MMC1_StopCompleted(Game& game);

}  // namespace morvane
