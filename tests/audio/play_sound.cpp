// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Plays one of the game's sounds through the audio backend on whatever device SDL opens, so that a
// test can listen to the backend on a real sound server. Usage: play_sound music|rustle FILE SECONDS
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "sound/audio_system.h"

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: play_sound music|rustle FILE SECONDS\n", stderr);
        return 2;
    }
    morvane::AudioSystem audio;
    morvane::MediaPlayer& player = std::string(argv[1]) == "music" ? audio.music() : audio.rustle();
    audio.start();
    player.open(argv[2]);
    player.play();  // heard once the device is open and the sound read
    std::this_thread::sleep_for(std::chrono::duration<double>(std::strtod(argv[3], nullptr)));
    return 0;
}
