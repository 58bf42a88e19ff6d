// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a piece as a Standard MIDI File: format 1, a tempo track and one track per part.
#include "midi_writer.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <stdexcept>
#include <string>

namespace morvane::soundgen {

namespace {

using Bytes = std::vector<std::uint8_t>;

// At one tick, notes that end are released before anything else, and notes that start come
// last, after the set-up of their channel.
enum class Order { NoteOff, Setup, NoteOn };

struct TimedEvent {
    int tick = 0;
    Order order = Order::Setup;
    Bytes bytes;
};

void appendBigEndian(Bytes& out, std::uint32_t value, int size)
{
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendVariableLength(Bytes& out, std::uint32_t value)
{
    Bytes groups{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0)
        groups.push_back(static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    out.insert(out.end(), groups.rbegin(), groups.rend());
}

TimedEvent metaEvent(int tick, std::uint8_t type, const Bytes& data)
{
    TimedEvent event{tick, Order::Setup, {0xFF, type}};
    appendVariableLength(event.bytes, static_cast<std::uint32_t>(data.size()));
    event.bytes.insert(event.bytes.end(), data.begin(), data.end());
    return event;
}

TimedEvent trackName(const std::string& name) { return metaEvent(0, 0x03, Bytes(name.begin(), name.end())); }

TimedEvent controlChange(int channel, int controller, int value)
{
    return {0,
            Order::Setup,
            {static_cast<std::uint8_t>(0xB0 | channel), static_cast<std::uint8_t>(controller),
             static_cast<std::uint8_t>(value)}};
}

Bytes trackChunk(std::vector<TimedEvent> events, int endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const TimedEvent& a, const TimedEvent& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    events.push_back(metaEvent(endTick, 0x2F, {}));
    Bytes body;
    int previous = 0;
    for (const auto& event : events) {
        assert(event.tick >= previous);  // a track ends no earlier than its last note: no delta runs backward
        appendVariableLength(body, static_cast<std::uint32_t>(event.tick - previous));
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        previous = event.tick;
    }
    Bytes chunk{'M', 'T', 'r', 'k'};
    appendBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<TimedEvent> tempoTrack(const Piece& piece)
{
    const auto& meter = piece.meter;
    const int unitLog2 = std::countr_zero(static_cast<unsigned>(meter.beatUnit));
    const auto tempo = static_cast<std::uint32_t>(piece.microsecondsPerQuarter);
    return {
        trackName(piece.title),
        metaEvent(0, 0x58,
                  {static_cast<std::uint8_t>(meter.beats), static_cast<std::uint8_t>(unitLog2),
                   static_cast<std::uint8_t>(meter.pulseTicks() * 24 / meter.ticksPerQuarter), 8}),
        metaEvent(0, 0x51,
                  {static_cast<std::uint8_t>(tempo >> 16), static_cast<std::uint8_t>(tempo >> 8),
                   static_cast<std::uint8_t>(tempo)}),
    };
}

void checkNote(const Note& note, const Piece& piece, const Part& part)
{
    const bool fits = note.tick >= 0 && note.length > 0 && note.end() <= piece.endTick();
    const bool inRange = note.pitch >= 0 && note.pitch <= 127 && note.velocity >= 1 && note.velocity <= 127;
    if (!fits || !inRange)
        throw std::invalid_argument(part.instrument.name + " has a note out of bounds at tick " +
                                    std::to_string(note.tick) + " in " + piece.title);
}

std::vector<TimedEvent> partTrack(const Piece& piece, const Part& part)
{
    const auto& instrument = part.instrument;
    const auto channel = static_cast<std::uint8_t>(instrument.channel);
    std::vector<TimedEvent> events{
        trackName(instrument.name),
        {0, Order::Setup, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(instrument.program)}},
        controlChange(channel, 7, instrument.volume),
        controlChange(channel, 10, instrument.pan),
        controlChange(channel, 91, instrument.reverb),
        controlChange(channel, 93, instrument.chorus),
    };
    for (const auto& note : part.notes) {
        checkNote(note, piece, part);
        const auto pitch = static_cast<std::uint8_t>(note.pitch);
        events.push_back(
            {note.tick,
             Order::NoteOn,
             {static_cast<std::uint8_t>(0x90 | channel), pitch, static_cast<std::uint8_t>(note.velocity)}});
        events.push_back({note.end(), Order::NoteOff, {static_cast<std::uint8_t>(0x80 | channel), pitch, 64}});
    }
    return events;
}

}  // namespace

std::vector<std::uint8_t> midiFileBytes(const Piece& piece)
{
    Bytes file{'M', 'T', 'h', 'd'};
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 1, 2);
    appendBigEndian(file, static_cast<std::uint32_t>(piece.parts.size() + 1), 2);
    appendBigEndian(file, static_cast<std::uint32_t>(piece.meter.ticksPerQuarter), 2);
    const auto tempo = trackChunk(tempoTrack(piece), piece.endTick());
    file.insert(file.end(), tempo.begin(), tempo.end());
    for (const auto& part : piece.parts) {
        const auto track = trackChunk(partTrack(piece, part), piece.endTick());
        file.insert(file.end(), track.begin(), track.end());
    }
    return file;
}

}  // namespace morvane::soundgen
