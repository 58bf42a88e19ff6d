// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: background music looped through the game, the final music after a win,
// and the card rustle, each switched by its menu item.
#include "sound_cues.h"

#include <filesystem>

#include "game/ports.h"

namespace morvane {
namespace {

// In the platform's own separators, as the build lays the files out beside the game. The folder is
// UTF-8 and stays so: a plain string would be read in the system's code page on some systems, and a
// folder with an accented letter in its name would lose its sounds.
std::string soundFile(const Game& game, const char* relative)
{
    const std::string& folder = game.ports.soundFolder;
    const std::filesystem::path path = std::filesystem::path(std::u8string(folder.begin(), folder.end())) /
                                       std::filesystem::path(relative).make_preferred();
    const std::u8string joined = path.u8string();
    return {joined.begin(), joined.end()};
}

std::string backgroundMusic(const Game& game) { return soundFile(game, kBackgroundMusicFile); }
std::string finalMusic(const Game& game) { return soundFile(game, kFinalMusicFile); }
std::string rustleSound(const Game& game) { return soundFile(game, kRustleFile); }

// A piece that has played to its end starts again from its beginning at the next play.
bool hasEnded(const MediaPlayer& player) { return player.position() == player.length(); }

}  // namespace

void setUpPlayers(Game& game)
{
    MediaPlayer& rustle = game.ports.MMCw;
    rustle.close();
    rustle.open(rustleSound(game));
    game.table.Option_card_rustle.Checked = true;
    MediaPlayer& music = game.ports.MMC1;
    music.close();
    music.open(backgroundMusic(game));
    game.table.Option_music.Checked = true;
}

void startMusic(Game& game)
{
    if (game.table.Option_music.Checked) {
        game.ports.MMC1.play();
    }
}

void reloadMusic(Game& game)
{
    MediaPlayer& music = game.ports.MMC1;
    music.close();
    music.rewind();
    music.open(backgroundMusic(game));
}

// The final music plays whether or not "Music" is checked.
void playFinalMusic(Game& game)
{
    MediaPlayer& music = game.ports.MMC1;
    music.stop();
    music.close();
    music.open(finalMusic(game));
    music.rewind();
    music.play();
}

// A rustle that still sounds goes on; one that has ended starts from its beginning.
void cardRustle(Game& game)
{
    MediaPlayer& rustle = game.ports.MMCw;
    if (hasEnded(rustle)) {
        rustle.rewind();
    }
    if (game.table.Option_card_rustle.Checked) {
        rustle.play();
    }
}

void closePlayers(Game& game)
{
    game.ports.MMC1.close();
    game.ports.MMCw.close();
}

void Option_music_Click(Game& game)
{
    MenuItem& item = game.table.Option_music;
    item.Checked = !item.Checked;
    if (item.Checked) {
        game.ports.MMC1.resume();
    } else {
        game.ports.MMC1.pause();
    }
}

void Option_card_rustle_Click(Game& game)
{
    game.table.Option_card_rustle.Checked = !game.table.Option_card_rustle.Checked;
}

// Loops the background and the final music alike.
void MMC1_Done(Game& game)
{
    MediaPlayer& music = game.ports.MMC1;
    if (hasEnded(music)) {
        music.rewind();
        music.play();
    }
}

void MMC1_StopCompleted(Game& game) { game.ports.MMC1.rewind(); }

}  // namespace morvane
