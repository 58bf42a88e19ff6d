// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A media player of the game driven by MCI command strings, as the system's media control interface takes them.
#pragma once

#include <cstdint>
#include <string>

#include "game/ports.h"

namespace morvane {

// Where the command strings go: the system's MCI, or a recording stand-in.
class MciCommands {
public:
    virtual ~MciCommands() = default;
    // Sends one command; true when it succeeded, with the device's answer in `reply`.
    virtual bool send(const std::wstring& command, std::wstring& reply) = 0;
    // The name under which the devices find a file: the path itself where they can open it.
    virtual std::wstring reachableName(const std::wstring& path) { return path; }
};

// One MCI device under an alias of its own. A piece that cannot be opened, or a system without the
// device, leaves the player silent: every later command fails quietly and the piece reads as ended.
class MciPlayer final : public MediaPlayer {
public:
    // `type` is the MCI device type: "sequencer" for MIDI, "waveaudio" for WAV.
    MciPlayer(MciCommands& commands, std::wstring alias, std::wstring type);

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

    const std::wstring& alias() const { return alias_; }
    // The window heard from MCI that a play sent with `notify` finished, successfully or not.
    void playFinished();
    // The window's turn after a stop: the player reports it then, never inside the stop itself.
    void stopFinished();
    bool stopPending() const { return stopPending_; }

private:
    bool send(const std::wstring& verb, const std::wstring& rest = {});
    std::int32_t status(const wchar_t* item) const;

    MciCommands& commands_;
    std::wstring alias_;
    std::wstring type_;
    PlayerNotifications notifications_;
    bool open_ = false;
    bool fromStart_ = false;
    bool stopPending_ = false;
};

}  // namespace morvane
