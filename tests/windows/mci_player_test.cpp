// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The MCI command strings the game's sound steps become, with a device that answers and with none.
#include <gtest/gtest.h>

#include <string>
#include <filesystem>
#include <utility>
#include <vector>

#include "game/lifecycle.h"
#include "game/sound_cues.h"
#include "support/fake_ports.h"
#include "windows/mci_player.h"

namespace morvane {
namespace {

using Sent = std::vector<std::wstring>;

// Records every command; fails those that start with a given text, and answers "status" with numbers.
class RecordingMci : public MciCommands {
public:
    bool send(const std::wstring& command, std::wstring& reply) override
    {
        sent.push_back(command);
        if (!failing.empty() && command.rfind(failing, 0) == 0) {
            return false;
        }
        if (command.rfind(L"status", 0) == 0) {
            reply = command.ends_with(L"position") ? position : length;
        }
        return true;
    }
    Sent take() { return std::exchange(sent, {}); }

    Sent sent;
    std::wstring failing;
    std::wstring position = L"0";
    std::wstring length = L"0";
};

// A game whose players are MCI players on one recording device, its sounds in a folder with an accent.
struct MciGame {
    MciGame() { game.ports.soundFolder = "C:\\Gi\xC3\xB2" "chi"; }
    RecordingMci mci;
    MciPlayer music{mci, L"MMC1", L"sequencer"};
    MciPlayer rustle{mci, L"MMCw", L"waveaudio"};
    testing::FakeMachine machine;
    Game game{Table{}, Hand{}, Ports{machine.clock, machine.events, machine.random, machine.beeper, machine.window,
                                     music, rustle, ""}};
};

// The path as the core joins it, with the platform's separator; the accent reaches MCI as one character.
std::wstring inFolder(const std::wstring& file)
{
    std::wstring path = L"C:\\Gi\u00F2chi\\" + file;
    for (wchar_t& c : path) {
        c = c == L'/' ? static_cast<wchar_t>(std::filesystem::path::preferred_separator) : c;
    }
    return path;
}

TEST(MciPlayer, TheGamesSoundStepsBecomeTheseCommandStrings)
{
    MciGame g;
    Form_Load(g.game);
    EXPECT_EQ(g.mci.take(), (Sent{L"open \"" + inFolder(L"carta.wav") + L"\" type waveaudio alias MMCw",
                                  L"set MMCw time format milliseconds",
                                  L"open \"" + inFolder(L"Music/10vazid.mid") + L"\" type sequencer alias MMC1",
                                  L"set MMC1 time format milliseconds"}));

    startMusic(g.game);
    Option_music_Click(g.game);
    Option_music_Click(g.game);
    EXPECT_EQ(g.mci.take(), (Sent{L"play MMC1 notify", L"pause MMC1", L"play MMC1 notify"}))
        << "a resumed piece goes on from where it paused, and its end is notified again";

    g.mci.position = L"300";
    g.mci.length = L"300";
    cardRustle(g.game);
    EXPECT_EQ(g.mci.take(), (Sent{L"status MMCw position", L"status MMCw length", L"seek MMCw to start",
                                  L"play MMCw notify"}));

    playFinalMusic(g.game);
    EXPECT_TRUE(g.music.stopPending()) << "the stop's completion is still to be reported";
    EXPECT_EQ(g.mci.take(), (Sent{L"stop MMC1", L"close MMC1",
                                  L"open \"" + inFolder(L"Music/finale.mid") + L"\" type sequencer alias MMC1",
                                  L"set MMC1 time format milliseconds", L"seek MMC1 to start", L"play MMC1 notify"}));

    Form_Unload(g.game);
    EXPECT_EQ(g.mci.take(), (Sent{L"close MMC1", L"close MMCw"}));
}

// With no device, or no file, the game goes on silent: the player sends nothing more, and a piece
// reads as ended, so the game's loop asks for nothing either.
TEST(MciPlayer, APieceThatDoesNotOpenLeavesThePlayerSilent)
{
    MciGame g;
    g.mci.failing = L"open";
    Form_Load(g.game);
    g.mci.take();
    startMusic(g.game);
    cardRustle(g.game);
    Option_music_Click(g.game);
    MMC1_Done(g.game);
    closePlayers(g.game);
    EXPECT_EQ(g.mci.take(), Sent{});
    EXPECT_EQ(g.music.position(), g.music.length());
}

TEST(MciPlayer, NoticesReachTheGameOnlyThroughItsNotifications)
{
    MciGame g;
    int done = 0;
    int stopped = 0;
    g.music.setNotifications({[&] { ++done; }, [&] { ++stopped; }});
    g.music.open("C:\\Music\\finale.mid");
    g.music.stop();
    EXPECT_EQ(stopped, 0) << "a stop completes after the handler that sent it";
    g.music.stopFinished();
    g.music.playFinished();
    EXPECT_EQ(std::pair(done, stopped), std::pair(1, 1));
    EXPECT_FALSE(g.music.stopPending());
}

}  // namespace
}  // namespace morvane
