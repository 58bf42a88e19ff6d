// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's player commands in MCI's words: open, play with notify, pause, stop, seek, status, close.
#include "mci_player.h"

#include <cwchar>
#include <utility>

#include "wide_text.h"

namespace morvane {

MciPlayer::MciPlayer(MciCommands& commands, std::wstring alias, std::wstring type)
    : commands_(commands), alias_(std::move(alias)), type_(std::move(type))
{
}

bool MciPlayer::send(const std::wstring& verb, const std::wstring& rest)
{
    std::wstring reply;
    return commands_.send(verb + L" " + alias_ + rest, reply);
}

// Positions are read in milliseconds, for MIDI and WAV alike.
void MciPlayer::open(const std::string& path)
{
    std::wstring reply;
    const std::wstring name = commands_.reachableName(widen(path));
    open_ = commands_.send(L"open \"" + name + L"\" type " + type_ + L" alias " + alias_, reply);
    if (open_) {
        send(L"set", L" time format milliseconds");
    }
}

void MciPlayer::close()
{
    if (open_) {
        send(L"close");
        open_ = false;
    }
}

// `notify` asks MCI to tell the window when the piece has played to its end.
void MciPlayer::play()
{
    if (!open_) {
        return;
    }
    if (fromStart_) {
        send(L"seek", L" to start");
        fromStart_ = false;
    }
    send(L"play", L" notify");
}

void MciPlayer::pause()
{
    if (open_) {
        send(L"pause");
    }
}

// A play without a starting point goes on from where the piece stands: where it was paused, or
// where it stopped; and, unlike "resume", it asks for the notification at its end again.
void MciPlayer::resume() { play(); }

// The game hears that the stop has completed after its own handler has ended, as from a player control.
void MciPlayer::stop()
{
    if (open_) {
        send(L"stop");
    }
    stopPending_ = true;
}

void MciPlayer::rewind() { fromStart_ = true; }

std::int32_t MciPlayer::status(const wchar_t* item) const
{
    if (!open_) {
        return 0;
    }
    std::wstring reply;
    if (!commands_.send(L"status " + alias_ + L" " + item, reply)) {
        return 0;
    }
    return static_cast<std::int32_t>(std::wcstol(reply.c_str(), nullptr, 10));
}

std::int32_t MciPlayer::position() const { return status(L"position"); }
std::int32_t MciPlayer::length() const { return status(L"length"); }

void MciPlayer::setNotifications(PlayerNotifications notifications) { notifications_ = std::move(notifications); }

void MciPlayer::playFinished()
{
    if (notifications_.done) {
        notifications_.done();
    }
}

void MciPlayer::stopFinished()
{
    stopPending_ = false;
    if (notifications_.stopCompleted) {
        notifications_.stopCompleted();
    }
}

}  // namespace morvane
