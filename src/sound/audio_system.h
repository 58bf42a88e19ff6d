// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: one audio device and mixer, one General MIDI synth, the music and rustle players.
#pragma once

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sound/audio_device.h"
#include "game/ports.h"
#include "sound/midi_player.h"
#include "sound/player_notices.h"
#include "sound/sound_diagnostics.h"
#include "sound/wave_player.h"

namespace morvane {

class SoundFontSynth;

struct AudioOptions {
    // Tried in order; the first that loads gives the music its instruments. TimGM6mb comes first
    // because it is small: the default General MIDI soundfont may be a much larger one that another
    // package installed.
    std::vector<std::string> soundFonts = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",
        "/usr/share/sounds/sf3/default-GM.sf3",
        "/usr/share/sounds/sf2/default-GM.sf2",
    };
    // Hears why a sound stays silent; no one when none is named. It must outlive the audio system.
    SoundDiagnostics* diagnostics = nullptr;
};

// Construction gives the two players at once; start() then opens the device and loads the soundfont on
// the system's own thread, which goes on to deliver the players' notifications and puts the device to
// sleep when nothing sounds. The game starts it once its window shows, so that loading the sound never
// competes with the window for the processor. Commands given before the sound is ready take effect once
// it is. Without a device or a soundfont the players stay silent and still answer every command; the
// diagnostics hear why. One audio system at a time per process.
class AudioSystem {
public:
    explicit AudioSystem(AudioOptions options = {});
    ~AudioSystem();
    void start();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    MediaPlayer& music() { return music_; }
    MediaPlayer& rustle() { return rustle_; }

private:
    void run();
    void attachPlayers();
    void serve();
    void detachPlayers();
    bool quiet() const;

    AudioOptions options_;
    SoundDiagnostics& diagnostics_;
    AudioDevice device_;
    Doorbell doorbell_;
    MidiPlayer music_;
    WavePlayer rustle_;
    std::unique_ptr<SoundFontSynth> synth_;
    std::thread thread_;
};

}  // namespace morvane
