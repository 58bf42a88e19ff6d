// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Small MIDI and WAV files written by the tests, and what the disk audio driver recorded.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace morvane::audiotest {

using Bytes = std::vector<unsigned char>;

// One track of a Standard MIDI File, event by event.
class TrackBytes {
public:
    TrackBytes& at(std::uint32_t delta, std::initializer_list<unsigned char> event);
    TrackBytes& end(std::uint32_t delta = 0);
    Bytes chunk() const;

private:
    Bytes body_;
};

Bytes midiFile(std::uint16_t division, std::initializer_list<TrackBytes> tracks);

// Organ notes held back to back for `notes` eighths at 240 beats a minute, 480 ticks a beat: a piece
// that sounds without a break from its first tick to its last, 240 ticks (1/8 s) a note.
Bytes heldOrganPiece(int notes);
constexpr std::int32_t kTicksPerNote = 240;
constexpr double kSecondsPerNote = 0.125;

// A RIFF WAVE file of 16-bit noise, or of the same bytes under another format tag.
Bytes noiseWave(int sampleRate, double seconds, std::uint16_t formatTag = 1);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);

// 16-bit stereo frames at 44.1 kHz, as the mixer hands them to the device.
class Recording {
public:
    static constexpr int kRate = 44100;
    explicit Recording(const std::filesystem::path& rawFile);

    bool audible() const;
    // The longest run of near-silence between the first and the last audible frame, in seconds.
    double longestSilenceWithin() const;
    // Seconds from the first audible frame to the last.
    double audibleSpan() const;

private:
    std::vector<std::int16_t> samples_;
    std::size_t firstLoud_ = 0;
    std::size_t lastLoud_ = 0;
    bool any_ = false;
};

}  // namespace morvane::audiotest
