// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the sound libraries from printing: a sound failure never speaks to the player.
#include "sound/quiet_libraries.h"

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <fluidsynth.h>
#include <glib.h>

#include <utility>

namespace morvane {
namespace {

void dropSdlMessage(void*, int, SDL_LogPriority, const char*) {}

void dropGlibMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

void dropAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void keepFluidSynthMessage(int, const char* message, void* kept)
{
    auto& text = *static_cast<std::string*>(kept);
    text += text.empty() ? "" : "; ";
    text += message;
}

using AlsaErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

}  // namespace

void silenceSdlAndFluidSynth()
{
    SDL_LogSetOutputFunction(dropSdlMessage, nullptr);
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
}

void silenceAlsaIfLoaded()
{
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (alsa == nullptr) {
        return;
    }
    if (auto setHandler = reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        setHandler(dropAlsaMessage);
    }
    dlclose(alsa);
}

GlibSilence::GlibSilence()
    : handler_(g_log_set_handler(
          nullptr, static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
          dropGlibMessage, nullptr))
{
}

GlibSilence::~GlibSilence() { g_log_remove_handler(nullptr, handler_); }

FluidSynthErrors::FluidSynthErrors()
{
    for (int level = FLUID_PANIC; level <= FLUID_ERR; ++level) {
        fluid_set_log_function(level, keepFluidSynthMessage, &text_);
    }
}

FluidSynthErrors::~FluidSynthErrors()
{
    for (int level = FLUID_PANIC; level <= FLUID_ERR; ++level) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
}

std::string FluidSynthErrors::take() { return std::exchange(text_, {}); }

}  // namespace morvane
