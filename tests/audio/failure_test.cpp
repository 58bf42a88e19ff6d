// Sound failures on the real backend: each leaves only its own sound silent, prints nothing, and the
// player goes on answering every command.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <optional>
#include <thread>

#include "audio_test_support.h"
#include "sound/audio_system.h"
#include "sound_fixtures.h"

namespace morvane::audiotest {
namespace {

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
};

void PrintTo(const BadFile& file, std::ostream* out) { *out << file.name; }

std::vector<BadFile> badFiles()
{
    return {
        {"missing", std::nullopt},
        {"empty", Bytes{}},
        {"random_bytes", randomBytes(5000)},
        {"unsupported_wave_format", noiseWave(22050, 0.3, 0x0055)},
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
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound;
        sound.music.open(badFile());
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
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound;
        sound.rustle.open(badFile());
        sound.music.open(goodMusic());
        sound.music.play();
        ASSERT_TRUE(eventually([&] { return sound.musicNotices.done == 1; }));
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
    CapturedOutput output(file("output.txt"));
    {
        ListenedAudio sound;
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
    EXPECT_FALSE(std::filesystem::exists(recordingFile()));
}

TEST_F(SoundFailure, WithoutASoundFontTheMusicIsSilentAndTheRustleWorks)
{
    AudioOptions options;
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
