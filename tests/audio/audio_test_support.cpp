// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of its own for each audio test, SDL's disk driver recording into it, audio systems whose
// notifications are counted, and waiting helpers.
#include "audio_test_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace morvane::audiotest {

void AudioTest::SetUp()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    folder_ = std::filesystem::temp_directory_path() / ("morvane-audio-" + std::to_string(getpid()) + "-" + name);
    std::filesystem::create_directories(folder_);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recordingFile().c_str(), 1);
}

void AudioTest::TearDown()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string AudioTest::written(const std::string& name, const Bytes& bytes) const
{
    writeFile(file(name), bytes);
    return file(name).string();
}

std::string AudioTest::gameSound(const std::string& name) { return std::string(MORVANE_BIN_DIR) + "/" + name; }

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

bool loaded(const MediaPlayer& player)
{
    return eventually([&player] { return player.length() > 0; });
}

PlayerNotifications NoticeCounter::notifications()
{
    return {
        [this] {
            ++done;
            if (onDone) {
                onDone();
            }
        },
        [this] { ++stops; },
    };
}

ListenedAudio::ListenedAudio(const AudioOptions& options) : audio(options), music(audio.music()), rustle(audio.rustle())
{
    music.setNotifications(musicNotices.notifications());
    rustle.setNotifications(rustleNotices.notifications());
    audio.start();
}

OpenPlayer::OpenPlayer(MediaPlayer& (AudioSystem::*which)(), const std::string& path) : player((audio.*which)())
{
    player.setNotifications(notices.notifications());
    audio.start();
    player.open(path);
}

CapturedOutput::CapturedOutput(const std::filesystem::path& file) : file_(file)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const int capture = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    savedOut_ = dup(STDOUT_FILENO);
    savedError_ = dup(STDERR_FILENO);
    dup2(capture, STDOUT_FILENO);
    dup2(capture, STDERR_FILENO);
    ::close(capture);
}

// A test that stopped early still shows what was printed meanwhile, its own failures among it.
CapturedOutput::~CapturedOutput()
{
    if (savedOut_ >= 0) {
        std::fputs(release().c_str(), stderr);
    }
}

std::string CapturedOutput::release()
{
    if (savedOut_ >= 0) {
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(savedOut_, STDOUT_FILENO);
        dup2(savedError_, STDERR_FILENO);
        ::close(savedOut_);
        ::close(savedError_);
        savedOut_ = savedError_ = -1;
    }
    std::ifstream captured(file_);
    return {std::istreambuf_iterator<char>(captured), std::istreambuf_iterator<char>()};
}

}  // namespace morvane::audiotest
