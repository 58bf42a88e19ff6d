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
    std::string badFile()
    {
        const auto path = file("bad.snd");
        if (GetParam().content) {
            writeFile(path, *GetParam().content);
        }
        return path.string();
    }
    std::string goodMusic()
    {
        writeFile(file("good.mid"), heldOrganPiece(2));
        return file("good.mid").string();
    }
    std::string goodRustle()
    {
        writeFile(file("good.wav"), noiseWave(22050, 0.2));
        return file("good.wav").string();
    }
};

TEST_P(BadSoundFile, LeavesTheMusicSilentAndTheRustleWorking)
{
    CapturedOutput output(file("output.txt"));
    {
        NoticeCounter musicNotices;
        NoticeCounter rustleNotices;
        AudioSystem audio;
        audio.music().setNotifications(musicNotices.notifications());
        audio.rustle().setNotifications(rustleNotices.notifications());
        audio.music().open(badFile());
        expectSilentAndEmpty(audio.music());
        sendEveryCommand(audio.music());
        audio.music().play();

        audio.rustle().open(goodRustle());
        ASSERT_TRUE(eventually([&] { return audio.rustle().length() > 0; }));
        audio.rustle().play();
        ASSERT_TRUE(eventually([&] { return rustleNotices.done == 1; }));
        std::this_thread::sleep_for(200ms);
        expectSilentAndEmpty(audio.music());
        EXPECT_EQ(musicNotices.done, 0);
        audio.music().close();
    }
    EXPECT_EQ(output.release(), "");
}

TEST_P(BadSoundFile, LeavesTheRustleSilentAndTheMusicWorking)
{
    CapturedOutput output(file("output.txt"));
    {
        NoticeCounter musicNotices;
        NoticeCounter rustleNotices;
        AudioSystem audio;
        audio.music().setNotifications(musicNotices.notifications());
        audio.rustle().setNotifications(rustleNotices.notifications());
        audio.rustle().open(badFile());
        audio.music().open(goodMusic());
        audio.music().play();
        ASSERT_TRUE(eventually([&] { return musicNotices.done == 1; }));
        expectSilentAndEmpty(audio.rustle());
        sendEveryCommand(audio.rustle());
        expectSilentAndEmpty(audio.rustle());
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(rustleNotices.done, 0);
        audio.rustle().close();
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
        NoticeCounter notices;
        AudioSystem audio;
        audio.music().setNotifications(notices.notifications());
        audio.music().open(gameSound("Music/10vazid.mid"));
        audio.rustle().open(gameSound("carta.wav"));
        const auto musicLength = audio.music().length();
        sendEveryCommand(audio.music());
        sendEveryCommand(audio.rustle());
        audio.music().play();
        audio.rustle().play();
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(audio.music().position(), 0);
        EXPECT_EQ(audio.music().length(), musicLength);
        expectSilentAndEmpty(audio.rustle());
        EXPECT_TRUE(eventually([&] { return notices.stops == 1; }));
        EXPECT_EQ(notices.done, 0);
        audio.music().close();
        audio.rustle().close();
    }
    EXPECT_EQ(output.release(), "");
    EXPECT_FALSE(std::filesystem::exists(recordingFile()));
}

TEST_F(SoundFailure, WithoutASoundFontTheMusicIsSilentAndTheRustleWorks)
{
    writeFile(file("empty.sf2"), {});
    writeFile(file("noise.sf2"), randomBytes(100000));
    writeFile(file("truncated.sf2"), firstBytesOf("/usr/share/sounds/sf2/TimGM6mb.sf2", 200000));
    writeFile(file("piece.mid"), heldOrganPiece(4));
    writeFile(file("rustle.wav"), noiseWave(22050, 0.2));
    CapturedOutput output(file("output.txt"));
    {
        AudioOptions options;
        options.soundFonts = {file("missing.sf2").string(), file("empty.sf2").string(), file("noise.sf2").string(),
                              file("truncated.sf2").string()};
        NoticeCounter musicNotices;
        NoticeCounter rustleNotices;
        AudioSystem audio(options);
        audio.music().setNotifications(musicNotices.notifications());
        audio.rustle().setNotifications(rustleNotices.notifications());
        audio.music().open(file("piece.mid").string());
        audio.music().play();
        audio.rustle().open(file("rustle.wav").string());
        ASSERT_TRUE(eventually([&] { return audio.rustle().length() > 0; }));
        audio.rustle().play();
        ASSERT_TRUE(eventually([&] { return rustleNotices.done == 1; }));
        std::this_thread::sleep_for(700ms);  // longer than the piece
        EXPECT_EQ(audio.music().position(), 0);
        EXPECT_EQ(audio.music().length(), 4 * kTicksPerNote);
        EXPECT_EQ(musicNotices.done, 0);
        sendEveryCommand(audio.music());
    }
    EXPECT_EQ(output.release(), "");
    // Only the rustle, 0.2 s, was heard.
    EXPECT_LT(Recording(recordingFile()).audibleSpan(), 0.3);
}

TEST_F(SoundFailure, TheSoundLeavesTheSignalsThatEndTheGameAlone)
{
    writeFile(file("rustle.wav"), noiseWave(22050, 0.1));
    AudioSystem audio;
    audio.rustle().open(file("rustle.wav").string());
    ASSERT_TRUE(eventually([&] { return audio.rustle().length() > 0; }));
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

TEST_F(SoundFailure, DestroyedWhileStillStartingUpItStopsCleanly)
{
    writeFile(file("piece.mid"), heldOrganPiece(4));
    CapturedOutput output(file("output.txt"));
    for (int i = 0; i < 5; ++i) {
        AudioSystem audio;
        audio.music().open(file("piece.mid").string());
        audio.music().play();
    }
    EXPECT_EQ(output.release(), "");
}

}  // namespace
}  // namespace morvane::audiotest
