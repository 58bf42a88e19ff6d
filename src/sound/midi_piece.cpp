// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI piece read into memory, checked and measured in ticks before FluidSynth is given it.
//
// FluidSynth parses a file only once its player starts, so the length is measured here: the game may
// ask it as soon as the piece is open. The checks follow FluidSynth's own reading, so a file it would
// refuse stays silent here instead of playing forever without a sound.
#include "sound/midi_piece.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace morvane {
namespace {

constexpr std::size_t kLargestPiece = 4 * 1024 * 1024;
constexpr std::uint32_t kMostTracks = 128;
constexpr int kMetaEvent = 0xFF;
constexpr int kEndOfTrack = 0x2F;

// Reads big-endian numbers and variable-length quantities; any read past the end marks it broken.
class ByteReader {
public:
    ByteReader(const std::vector<unsigned char>& bytes, std::size_t from, std::size_t to)
        : bytes_(bytes), at_(from), end_(std::min(to, bytes.size()))
    {
    }

    bool broken() const { return broken_; }
    bool atEnd() const { return at_ >= end_; }
    std::size_t offset() const { return at_; }

    int byte()
    {
        if (at_ >= end_) {
            broken_ = true;
            return 0;
        }
        return bytes_[at_++];
    }

    std::uint32_t number(int byteCount)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < byteCount; ++i) {
            value = value << 8 | static_cast<std::uint32_t>(byte());
        }
        return value;
    }

    // At most four bytes, as the file format allows.
    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = byte();
            value = value << 7 | static_cast<std::uint32_t>(b & 0x7F);
            if ((b & 0x80) == 0) {
                return value;
            }
        }
        broken_ = true;
        return 0;
    }

    // Gives back the byte just read: a data byte standing where a status byte may be.
    void unread() { --at_; }

    void skip(std::uint32_t count)
    {
        if (count > end_ - at_) {
            broken_ = true;
            at_ = end_;
            return;
        }
        at_ += count;
    }

    bool tagIs(const char* tag)
    {
        const std::size_t start = at_;
        skip(4);
        return !broken_ && std::memcmp(&bytes_[start], tag, 4) == 0;
    }

private:
    const std::vector<unsigned char>& bytes_;
    std::size_t at_;
    std::size_t end_;
    bool broken_ = false;
};

int dataBytesOf(int status)
{
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Meta events whose size FluidSynth insists on.
bool metaSizeIsValid(int type, std::uint32_t size)
{
    switch (type) {
    case 0x51:
        return size == 3;  // tempo
    case 0x54:
        return size == 5;  // SMPTE offset
    case 0x58:
        return size == 4;  // time signature
    case 0x59:
        return size == 2;  // key signature
    default:
        return true;
    }
}

// One event after its delta time; false when it cannot be read. Sets `ended` at the end-of-track event.
bool skipEvent(ByteReader& track, int& runningStatus, bool& ended)
{
    int status = track.byte();
    if (track.broken()) {
        return false;
    }
    if ((status & 0x80) == 0) {
        if ((runningStatus & 0x80) == 0) {
            return false;
        }
        status = runningStatus;
        track.unread();
    }
    runningStatus = status;
    if (status == kMetaEvent) {
        const int type = track.byte();
        const std::uint32_t size = track.variableLength();
        track.skip(size);
        ended = type == kEndOfTrack;
        return !track.broken() && metaSizeIsValid(type, size);
    }
    if (status == 0xF0 || status == 0xF7) {
        track.skip(track.variableLength());
        return !track.broken();
    }
    if (status >= 0xF0) {
        return false;
    }
    track.skip(dataBytesOf(status));
    return !track.broken();
}

// The length in ticks of one track chunk's events, or nothing when they cannot be read.
std::optional<std::int64_t> trackLength(ByteReader& track)
{
    std::int64_t ticks = 0;
    int runningStatus = 0;
    bool ended = false;
    while (!ended && !track.atEnd()) {
        ticks += track.variableLength();
        if (track.broken() || !skipEvent(track, runningStatus, ended)) {
            return std::nullopt;
        }
    }
    return ticks;
}

// The longest track of the file, or nothing when a chunk cannot be read. Chunks that are not
// tracks are skipped, as long as their tag is plain text.
std::optional<std::int64_t> longestTrack(ByteReader& file, std::uint32_t trackCount,
                                         const std::vector<unsigned char>& bytes)
{
    std::int64_t longest = 0;
    for (std::uint32_t found = 0; found < trackCount;) {
        const std::size_t tagAt = file.offset();
        const bool isTrack = file.tagIs("MTrk");
        const std::uint32_t size = file.number(4);
        if (file.broken() || std::any_of(&bytes[tagAt], &bytes[tagAt] + 4, [](unsigned char c) { return c > 0x7F; })) {
            return std::nullopt;
        }
        if (isTrack) {
            ByteReader track(bytes, file.offset(), file.offset() + size);
            const auto ticks = trackLength(track);
            if (!ticks) {
                return std::nullopt;
            }
            longest = std::max(longest, *ticks);
            ++found;
        }
        file.skip(size);
        if (file.broken()) {
            return std::nullopt;
        }
    }
    return longest;
}

}  // namespace

std::optional<MidiPiece> measureMidiPiece(std::vector<unsigned char> bytes)
{
    ByteReader file(bytes, 0, bytes.size());
    if (!file.tagIs("MThd") || file.number(4) != 6) {
        return std::nullopt;
    }
    const std::uint32_t format = file.number(2);
    const std::uint32_t trackCount = file.number(2);
    const std::uint32_t division = file.number(2);
    // Divisions counted in SMPTE frames are something FluidSynth does not play.
    if (file.broken() || format > 2 || trackCount == 0 || trackCount > kMostTracks || (division & 0x8000) != 0) {
        return std::nullopt;
    }
    const auto ticks = longestTrack(file, trackCount, bytes);
    if (!ticks || *ticks <= 0 || *ticks > INT32_MAX) {
        return std::nullopt;
    }
    return MidiPiece{std::move(bytes), static_cast<std::int32_t>(*ticks)};
}

std::optional<MidiPiece> readMidiPiece(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes;
    bytes.reserve(4096);
    char chunk[4096];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        bytes.insert(bytes.end(), chunk, chunk + file.gcount());
        if (bytes.size() > kLargestPiece) {
            return std::nullopt;
        }
    }
    return measureMidiPiece(std::move(bytes));
}

}  // namespace morvane
