// The music player: MIDI pieces sequenced by FluidSynth's player and rendered into the mixer's music hook.
#pragma once

#include <fluidsynth.h>

#include <cstdint>
#include <mutex>
#include <optional>

#include "sound/audio_device.h"
#include "sound/media_player.h"
#include "sound/midi_piece.h"
#include "sound/player_notices.h"

namespace morvane {

// Position and length are in ticks. The piece ends when its tick reaches its length, the moment the last
// track ends: FluidSynth's own "done" comes seconds later, which would leave a hole in a looped piece.
// Until the synth is attached, commands only change the state the game sees; they take effect on attach.
class MidiPlayer final : public MediaPlayer {
public:
    MidiPlayer(AudioDevice& device, Doorbell& doorbell);
    MidiPlayer(const MidiPlayer&) = delete;
    MidiPlayer& operator=(const MidiPlayer&) = delete;

    void open(const std::string& path) override;
    void close() override;
    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void rewind() override;
    std::int32_t position() const override;
    std::int32_t length() const override;
    void setNotifications(PlayerNotifications notifications) override;

    // On the audio system's thread: the synth is ready, or about to go.
    void attach(fluid_synth_t* synth);
    void detach();
    bool sounding() const;
    void deliverNotices();

private:
    enum class Motion { Stopped, Playing, Paused };

    void start(bool honourRewind);
    void holdAt(Motion motion);
    void loadSequencer();
    void unloadSequencer();
    void silenceSynth();
    static void mixHook(void* self, std::uint8_t* stream, int bytes);
    void render(std::int16_t* frames, int count);
    void followScore();

    AudioDevice& device_;
    PlayerNotices notices_;
    mutable std::mutex mutex_;  // the game's commands and the mixer's rendering take turns
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* sequencer_ = nullptr;
    std::optional<MidiPiece> piece_;
    Motion motion_ = Motion::Stopped;
    bool fromStart_ = false;
    std::int32_t position_ = 0;
};

}  // namespace morvane
