// A folder of its own for each audio test, SDL's disk driver recording into it, and waiting helpers.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "sound/media_player.h"

namespace morvane::audiotest {

using namespace std::chrono_literals;

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path file(const std::string& name) const { return folder_ / name; }
    std::filesystem::path recordingFile() const { return folder_ / "device.raw"; }
    // A sound file the build composed beside the game.
    static std::string gameSound(const std::string& name);

private:
    std::filesystem::path folder_;
};

// True once `condition` holds, false if it still does not after `limit`: a guard against a hang,
// not a measure of speed.
bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s);

// Counts a player's notifications, and can act on "done" as the game does.
struct NoticeCounter {
    std::atomic<int> done{0};
    std::atomic<int> stops{0};
    std::function<void()> onDone;
    PlayerNotifications notifications();
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
