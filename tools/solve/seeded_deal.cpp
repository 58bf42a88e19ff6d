// Mescola on a table of its own, with quiet ports: nothing but the random numbers is asked of them.
#include "seeded_deal.h"

#include "game/deal.h"
#include "game/game.h"
#include "sound/media_player.h"

namespace morvane {
namespace {

struct StillClock : Clock {
    double secondsOfDay() override { return 0.0; }
};
struct NoEvents : EventPump {
    bool processEvents(double) override { return true; }
};
struct NoBeep : Beeper {
    void beep() override {}
};
struct NoWindow : WindowControl {
    void closeWindow() override {}
};
struct NoSound : MediaPlayer {
    void open(const std::string&) override {}
    void close() override {}
    void play() override {}
    void pause() override {}
    void resume() override {}
    void stop() override {}
    void rewind() override {}
    std::int32_t position() const override { return 0; }
    std::int32_t length() const override { return 0; }
    void setNotifications(PlayerNotifications) override {}
};

}  // namespace

// splitmix64: every seed, 0 included, gives a well-mixed stream; the top 53 bits make u.
double SeededRandom::next()
{
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

solver::Deal seededDeal(std::uint64_t seed)
{
    StillClock clock;
    NoEvents events;
    SeededRandom random(seed);
    NoBeep beeper;
    NoWindow window;
    NoSound music;
    NoSound rustle;
    Game game{Table{}, Ports{clock, events, random, beeper, window, music, rustle, ""}};
    Mescola(game);
    return solver::Deal::fromOrder(game.table.DealOrder);
}

}  // namespace morvane
