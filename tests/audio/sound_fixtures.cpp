// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Small MIDI and WAV files written by the tests, and what the disk audio driver recorded.
#include "sound_fixtures.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace morvane::audiotest {
namespace {

// Below this a sample counts as silence: -40 dBFS, well under the quietest note the tests play.
constexpr int kSilence = 328;

void putBigEndian(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(value >> shift));
    }
}

void putLittleEndian(Bytes& out, std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

void putVariableLength(Bytes& out, std::uint32_t value)
{
    Bytes reversed{static_cast<unsigned char>(value & 0x7F)};
    while ((value >>= 7) != 0) {
        reversed.push_back(static_cast<unsigned char>(0x80 | (value & 0x7F)));
    }
    out.insert(out.end(), reversed.rbegin(), reversed.rend());
}

void putTag(Bytes& out, const char* tag)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(tag[i]));
    }
}

}  // namespace

TrackBytes& TrackBytes::at(std::uint32_t delta, std::initializer_list<unsigned char> event)
{
    putVariableLength(body_, delta);
    body_.insert(body_.end(), event);
    return *this;
}

TrackBytes& TrackBytes::end(std::uint32_t delta) { return at(delta, {0xFF, 0x2F, 0x00}); }

Bytes TrackBytes::chunk() const
{
    Bytes out;
    putTag(out, "MTrk");
    putBigEndian(out, static_cast<std::uint32_t>(body_.size()), 4);
    out.insert(out.end(), body_.begin(), body_.end());
    return out;
}

Bytes midiFile(std::uint16_t division, std::initializer_list<TrackBytes> tracks)
{
    Bytes out;
    putTag(out, "MThd");
    putBigEndian(out, 6, 4);
    putBigEndian(out, tracks.size() > 1 ? 1 : 0, 2);
    putBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    putBigEndian(out, division, 2);
    for (const TrackBytes& track : tracks) {
        const Bytes chunk = track.chunk();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

Bytes heldOrganPiece(int notes)
{
    constexpr unsigned char kKeys[] = {60, 64, 67, 72};
    TrackBytes track;
    track
        .at(0, {0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90})  // 250000 microseconds a beat
        .at(0, {0xC0, 16});                           // drawbar organ
    for (int i = 0; i < notes; ++i) {
        const unsigned char key = kKeys[i % 4];
        track.at(0, {0x90, key, 110}).at(kTicksPerNote, {0x80, key, 0});
    }
    track.end();
    return midiFile(480, {track});
}

Bytes noiseWave(int sampleRate, double seconds, std::uint16_t formatTag)
{
    const auto frames = static_cast<std::uint32_t>(sampleRate * seconds);
    Bytes out;
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + frames * 2, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, formatTag, 2);
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate * 2), 4);
    putLittleEndian(out, 2, 2);
    putLittleEndian(out, 16, 2);
    putTag(out, "data");
    putLittleEndian(out, frames * 2, 4);
    std::uint32_t seed = 12345;
    for (std::uint32_t i = 0; i < frames; ++i) {
        seed = seed * 1664525 + 1013904223;
        putLittleEndian(out, static_cast<std::uint16_t>(static_cast<std::int16_t>((seed >> 16) - 32768) / 2), 2);
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Recording::Recording(const std::filesystem::path& rawFile)
{
    std::ifstream file(rawFile, std::ios::binary);
    const Bytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    samples_.resize(bytes.size() / 2);
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        samples_[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    const auto loud = [](std::int16_t s) { return std::abs(s) >= kSilence; };
    const auto first = std::find_if(samples_.begin(), samples_.end(), loud);
    if (first == samples_.end()) {
        return;
    }
    const auto last = std::find_if(samples_.rbegin(), samples_.rend(), loud);
    any_ = true;
    firstLoud_ = static_cast<std::size_t>(first - samples_.begin()) / 2;
    lastLoud_ = static_cast<std::size_t>(samples_.rend() - last - 1) / 2;
}

bool Recording::audible() const { return any_; }

double Recording::longestSilenceWithin() const
{
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t frame = firstLoud_; any_ && frame <= lastLoud_; ++frame) {
        const bool silent = std::abs(samples_[2 * frame]) < kSilence && std::abs(samples_[2 * frame + 1]) < kSilence;
        run = silent ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return static_cast<double>(longest) / kRate;
}

double Recording::audibleSpan() const { return any_ ? static_cast<double>(lastLoud_ - firstLoud_) / kRate : 0.0; }

}  // namespace morvane::audiotest
