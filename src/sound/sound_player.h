// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the music and the rustle players share: one open piece, stopped, playing or paused, the
// rewind that the next play honours, the lock under which commands take turns, and the notices.
#pragma once

#include <cstdint>
#include <mutex>

#include "sound/audio_device.h"
#include "game/ports.h"
#include "sound/player_notices.h"
#include "sound/sound_diagnostics.h"

namespace morvane {

// The commands run the same state machine for every format; a player of one format supplies only
// how its sound is loaded, started, held and measured, in the hooks below, called under the lock.
class SoundPlayer : public MediaPlayer {
public:
    SoundPlayer(AudioDevice& device, Doorbell& doorbell, SoundDiagnostics& diagnostics);
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    void close() override;
    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void rewind() override;
    std::int32_t position() const override;
    std::int32_t length() const override;
    void setNotifications(PlayerNotifications notifications) override;

    // On the audio system's thread.
    bool sounding() const;
    void deliverNotices();

protected:
    enum class Motion { Stopped, Playing, Paused };

    ~SoundPlayer() override = default;

    // Forgets the open piece and runs `install` to put another in its place, stopped at its beginning.
    template <typename Install>
    void replacePiece(Install install)
    {
        std::lock_guard lock(mutex_);
        forgetPiece();
        motion_ = Motion::Stopped;
        fromStart_ = false;
        install();
    }

    // Stops the sound where it is, as a pause or as a stop.
    void holdAt(Motion motion);

    virtual bool hasPiece() const = 0;
    // A play under way, which a further play carries on.
    virtual bool isPlaying() const = 0;
    // A play from where the piece is would end at once.
    virtual bool isAtEnd() const = 0;
    // A play under way reaches the device.
    virtual bool isAudible() const = 0;
    virtual void toBeginning() = 0;
    virtual void startSound(bool resumePaused) = 0;
    virtual void haltSound(Motion motion) = 0;
    virtual void forgetPiece() = 0;
    // Where the piece is and how long it is, in the format's own unit.
    virtual std::int32_t positionNow() const = 0;
    virtual std::int32_t lengthNow() const = 0;

    // Tells why a piece stays silent, naming its file.
    void reportSilent(const std::string& path, const std::string& why) const;

    AudioDevice& device_;
    PlayerNotices notices_;
    mutable std::mutex mutex_;
    Motion motion_ = Motion::Stopped;

private:
    void start(bool honourRewind);

    SoundDiagnostics& diagnostics_;
    bool fromStart_ = false;
};

}  // namespace morvane
