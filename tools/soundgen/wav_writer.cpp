// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing sound as a WAVE file of 16-bit PCM samples.
#include "wav_writer.h"

namespace morvane::soundgen {

namespace {

using Bytes = std::vector<std::uint8_t>;

void appendLittleEndian(Bytes& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void appendTag(Bytes& out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> wavFileBytes(std::span<const std::int16_t> samples, int sampleRate)
{
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    Bytes file;
    file.reserve(44 + dataSize);
    appendTag(file, "RIFF");
    appendLittleEndian(file, 4 + (8 + 16) + (8 + dataSize), 4);
    appendTag(file, "WAVE");
    appendTag(file, "fmt ");
    appendLittleEndian(file, 16, 4);
    appendLittleEndian(file, 1, 2);  // PCM
    appendLittleEndian(file, kChannels, 2);
    appendLittleEndian(file, static_cast<std::uint32_t>(sampleRate), 4);
    appendLittleEndian(file, static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample, 4);
    appendLittleEndian(file, kChannels * kBytesPerSample, 2);
    appendLittleEndian(file, 8 * kBytesPerSample, 2);
    appendTag(file, "data");
    appendLittleEndian(file, dataSize, 4);
    for (const auto sample : samples)
        appendLittleEndian(file, static_cast<std::uint16_t>(sample), 2);
    return file;
}

}  // namespace morvane::soundgen
