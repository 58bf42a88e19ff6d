// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// soundgen: composes the game's music and card rustle and writes the three sound files into a folder.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

#include "card_rustle.h"
#include "midi_writer.h"
#include "pieces.h"
#include "wav_writer.h"

namespace {

constexpr int kSampleRate = 44100;

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char* argv[])
{
    using namespace morvane::soundgen;
    if (argc != 2) {
        std::cerr << "usage: soundgen <output folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        writeFile(folder / "Music" / "10vazid.mid", midiFileBytes(barcarolle()));
        writeFile(folder / "Music" / "finale.mid", midiFileBytes(tarantella()));
        writeFile(folder / "carta.wav", wavFileBytes(cardRustle(kSampleRate), kSampleRate));
    } catch (const std::exception& error) {
        std::cerr << "soundgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
