// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of its own for each audio test, SDL's disk driver recording into it, audio systems whose
// notifications are counted, and waiting helpers.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "sound/audio_system.h"
#include "game/ports.h"
#include "sound_fixtures.h"

namespace morvane::audiotest {

using namespace std::chrono_literals;

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path file(const std::string& name) const { return folder_ / name; }
    std::filesystem::path recordingFile() const { return folder_ / "device.raw"; }
    // Writes `bytes` to the file `name` in the test's folder and returns its path.
    std::string written(const std::string& name, const Bytes& bytes) const;
    // A sound file the build composed beside the game.
    static std::string gameSound(const std::string& name);

private:
    std::filesystem::path folder_;
};

// True once `condition` holds, false if it still does not after `limit`: a guard against a hang,
// not a measure of speed.
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s);

// True once the player's sound is read: a piece of music at once as it opens, a rustle once the audio
// system's device is open and the wave decoded for the mixer.
bool loaded(const MediaPlayer& player);

// Counts a player's notifications, and can act on "done" as the game does.
struct NoticeCounter {
    std::atomic<int> done{0};
    std::atomic<int> stops{0};
    std::function<void()> onDone;
    PlayerNotifications notifications();
};

// An audio system whose music and rustle each report to a notice counter of their own. The counters come
// first so that they outlive the audio system whose thread raises the notices.
struct ListenedAudio {
    explicit ListenedAudio(const AudioOptions& options = {});

    NoticeCounter musicNotices;
    NoticeCounter rustleNotices;
    AudioSystem audio;
    MediaPlayer& music;
    MediaPlayer& rustle;
};

// One player of an audio system of its own, opened on a file, its notices counted as in ListenedAudio.
struct OpenPlayer {
    OpenPlayer(MediaPlayer& (AudioSystem::*which)(), const std::string& path);

    NoticeCounter notices;
    AudioSystem audio;
    MediaPlayer& player;
};

// Everything the process writes to its standard output and error while it lives.
class CapturedOutput {
public:
    explicit CapturedOutput(const std::filesystem::path& file);
    ~CapturedOutput();
    std::string release();

private:
    std::filesystem::path file_;
    int savedOut_ = -1;
    int savedError_ = -1;
};

}  // namespace morvane::audiotest
