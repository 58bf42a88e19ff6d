// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound failures on the real backend: each leaves only its own sound silent, prints nothing, tells
// its reason to the diagnostics, and the player goes on answering every command.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <mutex>
#include <optional>
#include <thread>

#include "audio_test_support.h"
#include "sound/audio_system.h"
#include "sound/sound_diagnostics.h"
#include "sound_fixtures.h"

namespace morvane::audiotest {
namespace {

// Every reason the sound tells, from whichever thread, one a line.
class HeardReasons final : public SoundDiagnostics {
public:
    void report(const std::string& reason) override
    {
        std::lock_guard lock(mutex_);
        text_ += reason + "\n";
    }

    ::testing::AssertionResult mention(const std::string& words) const
    {
        std::lock_guard lock(mutex_);
        if (text_.find(words) != std::string::npos) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "no \"" << words << "\" among the reasons:\n" << text_;
    }

    AudioOptions options(AudioOptions base = {})
    {
        base.diagnostics = this;
        return base;
    }

private:
    mutable std::mutex mutex_;
    std::string text_;
};

Bytes randomBytes(std::size_t count)
{
    Bytes bytes(count);
    std::uint32_t seed = 99;
    for (auto& b : bytes) {
        seed = seed * 1103515245 + 12345;
        b = static_cast<unsigned char>(seed >> 16);
    }
    return bytes;
}

// The start of a real file: what a download cut short leaves.
Bytes firstBytesOf(const std::string& path, std::size_t count)
{
    Bytes bytes(count);
    std::ifstream file(path, std::ios::binary);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

// Every command the game sends, in an order it may send them; nothing may crash or start a sound.
void sendEveryCommand(MediaPlayer& player)
{
    player.rewind();
    player.play();
    player.play();
    player.pause();
    player.resume();
    player.stop();
    player.rewind();
    player.play();
    player.pause();
}

void expectSilentAndEmpty(const MediaPlayer& player)
{
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.length(), 0);
}

struct BadFile {
    const char* name;
    std::optional<Bytes> content;  // none: the file is missing
    const char* musicReason;       // how the reason goes on after the file's name
    const char* rustleReason;
};

void PrintTo(const BadFile& file, std::ostream* out) { *out << file.name; }

std::vector<BadFile> badFiles()
{
    return {
        {"missing", std::nullopt, "is missing", "is missing"},
        {"empty", Bytes{}, "is empty", "is empty"},
        {"random_bytes", randomBytes(5000), "fails the check", "cannot be played: "},
        {"unsupported_wave_format", noiseWave(22050, 0.3, 0x0055), "fails the check", "cannot be played: "},
    };
}

class BadSoundFile : public AudioTest, public ::testing::WithParamInterface<BadFile> {
protected:
    std::string badFile() const
    {
        const auto& content = GetParam().content;
        return content ? written("bad.snd", *content) : file("bad.snd").string();
    }
    std::string goodMusic() const { return written("good.mid", heldOrganPiece(2)); }
    std::string goodRustle() const { return written("good.wav", noiseWave(22050, 0.2)); }
};

TEST_P(BadSoundFile, LeavesTheMusicSilentAndTheRustleWorking)
{
    HeardReasons reasons;
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound(reasons.options());
        sound.music.open(badFile());
        EXPECT_TRUE(reasons.mention("sound file " + badFile() + " " + GetParam().musicReason));
        expectSilentAndEmpty(sound.music);
        sendEveryCommand(sound.music);
        sound.music.play();

        sound.rustle.open(goodRustle());
        ASSERT_TRUE(loaded(sound.rustle));
        sound.rustle.play();
        ASSERT_TRUE(eventually([&] { return sound.rustleNotices.done == 1; }));
        std::this_thread::sleep_for(200ms);
        expectSilentAndEmpty(sound.music);
        EXPECT_EQ(sound.musicNotices.done, 0);
        sound.music.close();
    }
    EXPECT_EQ(output.release(), "");
}

TEST_P(BadSoundFile, LeavesTheRustleSilentAndTheMusicWorking)
{
    HeardReasons reasons;
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound(reasons.options());
        sound.rustle.open(badFile());
        sound.music.open(goodMusic());
        sound.music.play();
        ASSERT_TRUE(eventually([&] { return sound.musicNotices.done == 1; }));
        EXPECT_TRUE(reasons.mention("sound file " + badFile() + " " + GetParam().rustleReason));
        expectSilentAndEmpty(sound.rustle);
        sendEveryCommand(sound.rustle);
        expectSilentAndEmpty(sound.rustle);
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(sound.rustleNotices.done, 0);
        sound.rustle.close();
    }
    EXPECT_EQ(output.release(), "");
}

INSTANTIATE_TEST_SUITE_P(EachKind, BadSoundFile, ::testing::ValuesIn(badFiles()),
                         [](const auto& info) { return std::string(info.param.name); });

class SoundFailure : public AudioTest {};

TEST_F(SoundFailure, WithoutAnAudioDeviceBothPlayersAnswerSilently)
{
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    HeardReasons reasons;
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound(reasons.options());
        sound.music.open(gameSound("Music/10vazid.mid"));
        sound.rustle.open(gameSound("carta.wav"));
        const auto musicLength = sound.music.length();
        sendEveryCommand(sound.music);
        sendEveryCommand(sound.rustle);
        sound.music.play();
        sound.rustle.play();
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(sound.music.position(), 0);
        EXPECT_EQ(sound.music.length(), musicLength);
        expectSilentAndEmpty(sound.rustle);
        EXPECT_TRUE(eventually([&] { return sound.musicNotices.stops == 1; }));
        EXPECT_EQ(sound.musicNotices.done, 0);
        sound.music.close();
        sound.rustle.close();
    }
    EXPECT_EQ(output.release(), "");
    // SDL's own words name the driver it could not have.
    EXPECT_TRUE(reasons.mention("no audio device: "));
    EXPECT_TRUE(reasons.mention("nonexistent"));
    EXPECT_FALSE(std::filesystem::exists(recordingFile()));
}

TEST_F(SoundFailure, WithoutASoundFontTheMusicIsSilentAndTheRustleWorks)
{
    HeardReasons reasons;
    AudioOptions options = reasons.options();
    options.soundFonts = {file("missing.sf2").string(), written("empty.sf2", {}),
                          written("noise.sf2", randomBytes(100000)),
                          written("truncated.sf2", firstBytesOf("/usr/share/sounds/sf2/TimGM6mb.sf2", 200000))};
    const auto piece = written("piece.mid", heldOrganPiece(4));
    const auto rustle = written("rustle.wav", noiseWave(22050, 0.2));
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound(options);
        sound.music.open(piece);
        sound.music.play();
        sound.rustle.open(rustle);
        ASSERT_TRUE(loaded(sound.rustle));
        sound.rustle.play();
        ASSERT_TRUE(eventually([&] { return sound.rustleNotices.done == 1; }));
        std::this_thread::sleep_for(700ms);  // longer than the piece
        EXPECT_EQ(sound.music.position(), 0);
        EXPECT_EQ(sound.music.length(), 4 * kTicksPerNote);
        EXPECT_EQ(sound.musicNotices.done, 0);
        sendEveryCommand(sound.music);
    }
    EXPECT_EQ(output.release(), "");
    EXPECT_TRUE(reasons.mention("no soundfont"));
    EXPECT_TRUE(reasons.mention(options.soundFonts[0] + " is missing"));
    EXPECT_TRUE(reasons.mention(options.soundFonts[1] + " is empty"));
    EXPECT_TRUE(reasons.mention(options.soundFonts[2] + " does not load: "));
    EXPECT_TRUE(reasons.mention(options.soundFonts[3] + " does not load: "));
    // Only the rustle, 0.2 s, was heard.
    EXPECT_LT(Recording(recordingFile()).audibleSpan(), 0.3);
}

TEST_F(SoundFailure, TheSoundLeavesTheSignalsThatEndTheGameAlone)
{
    OpenPlayer rustle(&AudioSystem::rustle, written("rustle.wav", noiseWave(22050, 0.1)));
    ASSERT_TRUE(loaded(rustle.player));
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST_F(SoundFailure, DestroyedWhileStillStartingUpItStopsCleanly)
{
    const auto piece = written("piece.mid", heldOrganPiece(4));
    CapturedOutput output(file("output.txt"));
    for (int i = 0; i < 5; ++i) {
        AudioSystem audio;
        audio.start();
        audio.music().open(piece);
        audio.music().play();
    }
    EXPECT_EQ(output.release(), "");
}

}  // namespace
}  // namespace morvane::audiotest
