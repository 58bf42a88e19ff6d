// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what the game's sound costs: processor time while the background music loops, processor time
// while nothing sounds, and resident memory with the soundfont loaded. Not a test: it reports figures.
// Usage: audio_cost [seconds [soundfont]]
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "sound/audio_system.h"

namespace {

using Clock = std::chrono::steady_clock;

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The share of one core the process used over `span`.
double coreShare(std::chrono::seconds span)
{
    const double before = processorSeconds();
    const auto start = Clock::now();
    std::this_thread::sleep_for(span);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return 100.0 * (processorSeconds() - before) / wall;
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::chrono::seconds span{argc > 1 ? std::atoi(argv[1]) : 60};
    setenv("SDL_AUDIODRIVER", "disk", 0);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);  // unless told where to keep the audio
    const long bare = residentKilobytes();

    morvane::AudioOptions options;
    if (argc > 2) {
        options.soundFonts = {argv[2]};
    }
    morvane::AudioSystem audio(options);
    audio.start();
    morvane::MediaPlayer& music = audio.music();
    music.setNotifications({[&music] {
                                if (music.position() == music.length()) {
                                    music.rewind();
                                    music.play();
                                }
                            },
                            {}});
    music.open(std::string(MORVANE_BIN_DIR) + "/Music/10vazid.mid");
    music.play();
    while (music.position() == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double playing = coreShare(span);
    const long loaded = residentKilobytes();

    music.pause();
    std::this_thread::sleep_for(std::chrono::seconds(2));  // the device falls asleep after a second of quiet
    const double idle = coreShare(span);

    std::printf("music playing: %.2f%% of a core over %llds\n", playing, static_cast<long long>(span.count()));
    std::printf("nothing sounding: %.2f%% of a core over %llds\n", idle, static_cast<long long>(span.count()));
    std::printf("soundfont: %s\n", argc > 2 ? argv[2] : "the first of the game's list that loads");
    std::printf("resident memory: %ld kB before, %ld kB with the soundfont loaded\n", bare, loaded);
}
