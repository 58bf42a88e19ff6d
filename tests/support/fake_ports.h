// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Scripted stand-ins for the machine: a settable clock, a scripted random source, a recording
// media player, and a game wired to them.
#pragma once

#include <deque>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/ports.h"

namespace morvane::testing {

class FakeClock : public Clock {
public:
    double now = 0.0;
    double secondsOfDay() override { return now; }
};

// Each processEvents advances the clock by `step` seconds (wrapping at midnight), runs `onEvents`,
// and reports the window open until `closeAfterCalls` calls have been made.
class FakeEventPump : public EventPump {
public:
    explicit FakeEventPump(FakeClock& clock) : clock_(clock) {}
    bool processEvents(double maxSeconds) override;

    double step = 0.5;
    int calls = 0;
    int closeAfterCalls = -1;
    std::vector<double> waits;
    std::function<void()> onEvents;

private:
    FakeClock& clock_;
};

// Plays back scripted numbers in [0, 1); once the script runs out it deals the undealt cards in
// increasing index order, so a test can script just the cards it cares about.
class ScriptedRandom : public RandomSource {
public:
    void reseedFromClock() override { ++reseeds; }
    double next() override;

    // Scripts the draws that pick exactly these cards, in this order.
    void scriptCards(const std::vector<int>& cards);
    std::deque<double> script;
    int reseeds = 0;
    int draws = 0;

private:
    int fallbackCard_ = 1;
};

class CountingBeeper : public Beeper {
public:
    int beeps = 0;
    void beep() override { ++beeps; }
};

class FakeWindow : public WindowControl {
public:
    int closes = 0;
    void closeWindow() override { ++closes; }
};

// Records every command as a word ("open <file>", "play", "rewind"...) and keeps a position and a
// length that a test sets to say where the piece is. A player given a name and a shared log also
// writes "<name> <command>" there, so that a test can tell the order of commands across players.
class RecordingPlayer : public MediaPlayer {
public:
    RecordingPlayer() = default;
    RecordingPlayer(std::string name, std::vector<std::string>& sharedLog)
        : name_(std::move(name)), sharedLog_(&sharedLog)
    {
    }

    void open(const std::string& path) override { record("open " + path); }
    void close() override { record("close"); }
    void play() override { record("play"); }
    void pause() override { record("pause"); }
    void resume() override { record("resume"); }
    void stop() override { record("stop"); }
    void rewind() override { record("rewind"); }
    std::int32_t position() const override { return positionNow; }
    std::int32_t length() const override { return lengthNow; }
    void setNotifications(PlayerNotifications n) override { notifications = std::move(n); }

    std::vector<std::string> commands;
    std::int32_t positionNow = 0;
    std::int32_t lengthNow = 100;
    PlayerNotifications notifications;

private:
    void record(std::string command)
    {
        if (sharedLog_ != nullptr) {
            sharedLog_->push_back(name_ + " " + command);
        }
        commands.push_back(std::move(command));
    }

    std::string name_;
    std::vector<std::string>* sharedLog_ = nullptr;
};

// A game on fake ports, with "/game" as the sound folder.
struct FakeMachine {
    FakeClock clock;
    FakeEventPump events{clock};
    ScriptedRandom random;
    CountingBeeper beeper;
    FakeWindow window;
    std::vector<std::string> soundLog;  // the commands of both players, in the order they were sent
    RecordingPlayer music{"MMC1", soundLog};
    RecordingPlayer rustle{"MMCw", soundLog};
    Game game{Table{}, Hand{}, Ports{clock, events, random, beeper, window, music, rustle, "/game"}};
};

// A game loaded and dealt, past its title pause, with these cards at the first deal positions
// (columns 1..4, the base card, then reserve and stock); the rest follow in index order.
std::unique_ptr<FakeMachine> dealtGame(const std::vector<int>& firstCards = {});

// The 40 cards in an order drawn from this random stream, for a game to be dealt in it.
inline std::vector<int> shuffledDeck(std::mt19937& random)
{
    std::vector<int> deck(kCardCount);
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), random);
    return deck;
}

}  // namespace morvane::testing
