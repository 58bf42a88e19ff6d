// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one SDL audio device with its SDL2_mixer mixer, kept asleep while nothing sounds.
#include "sound/audio_device.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <string>

#include "sound/quiet_libraries.h"

namespace morvane {
namespace {

// This SDL2_mixer does not say which SDL device it opened. SDL numbers the devices it opens from 2 up,
// and the mixer's is the only one in the game, playing straight after the mixer opens it.
SDL_AudioDeviceID findMixerDevice()
{
    constexpr SDL_AudioDeviceID kFirst = 2;
    constexpr SDL_AudioDeviceID kLast = 16;
    for (SDL_AudioDeviceID id = kFirst; id <= kLast; ++id) {
        if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) {
            return id;
        }
    }
    return 0;
}

void reportNoDevice(SoundDiagnostics& diagnostics)
{
    diagnostics.report(std::string("no audio device: ") + SDL_GetError() + "; the game plays silently");
}

}  // namespace

bool AudioDevice::open(SoundDiagnostics& diagnostics)
{
    // Left to itself SDL turns SIGINT and SIGTERM into a quit event that nobody here reads, and the game
    // would no longer end when asked to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportNoDevice(diagnostics);
        return false;
    }
    silenceAlsaIfLoaded();
    // No format changes allowed: SDL converts, so the mixer always works in 16-bit stereo at 44.1 kHz.
    if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
        reportNoDevice(diagnostics);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(1);
    std::lock_guard lock(mutex_);
    deviceId_ = findMixerDevice();
    open_ = true;
    pause(true);
    return true;
}

void AudioDevice::close()
{
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return;
        }
        open_ = false;
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioDevice::wake()
{
    std::lock_guard lock(mutex_);
    if (open_ && asleep_) {
        pause(false);
    }
}

void AudioDevice::sleepIf(const std::function<bool()>& quiet)
{
    std::lock_guard lock(mutex_);
    if (open_ && !asleep_ && quiet()) {
        pause(true);
    }
}

void AudioDevice::pause(bool asleep)
{
    if (deviceId_ != 0) {
        SDL_PauseAudioDevice(deviceId_, asleep ? 1 : 0);
    }
    asleep_ = asleep;
}

}  // namespace morvane
