// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one SDL audio device with its SDL2_mixer mixer, kept asleep while nothing sounds.
#pragma once

#include <functional>
#include <mutex>

#include "sound/sound_diagnostics.h"

namespace morvane {

class AudioDevice {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kFrameBytes = kChannels * 2;  // 16-bit stereo
    static constexpr int kBufferFrames = 1024;

    // Opens the device asleep; false, with SDL's reason told, when there is none to be had. Both run on
    // the audio system's thread.
    bool open(SoundDiagnostics& diagnostics);
    void close();

    // Called after a player has started, so the device runs while it sounds.
    void wake();
    // Puts the device to sleep when `quiet` still holds: a player that starts meanwhile waits for this.
    void sleepIf(const std::function<bool()>& quiet);

private:
    void pause(bool asleep);

    std::mutex mutex_;
    unsigned deviceId_ = 0;  // SDL's id of the mixer's device; 0 when it could not be told
    bool open_ = false;
    bool asleep_ = true;
};

}  // namespace morvane
