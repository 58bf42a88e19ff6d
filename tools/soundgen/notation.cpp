// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the written music of the pieces: pitch names, melodies bar by bar and chord symbols.
#include "notation.h"

#include <charconv>
#include <stdexcept>
#include <string>

namespace morvane::soundgen {

namespace {

[[noreturn]] void reject(std::string_view what, std::string_view text)
{
    throw std::invalid_argument(std::string(what) + ": \"" + std::string(text) + "\"");
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const auto start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        const auto end = text.find(' ', start);
        result.push_back(text.substr(start, end - start));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end);
    }
    return result;
}

// A letter with an optional sharp or flat: semitones above the C of the letter's octave (Cb is
// -1, B# is 12), and how many characters it took.
struct Spelling {
    int semitones = 0;
    std::size_t used = 0;

    int pitchClass() const { return (semitones + 12) % 12; }
};

Spelling parseSpelling(std::string_view text)
{
    static constexpr std::string_view letters = "CDEFGAB";
    static constexpr int naturals[] = {0, 2, 4, 5, 7, 9, 11};
    const auto letter = text.empty() ? std::string_view::npos : letters.find(text.front());
    if (letter == std::string_view::npos)
        reject("not a note name", text);
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b'))
        return {naturals[letter] + (text[1] == '#' ? 1 : -1), 2};
    return {naturals[letter], 1};
}

std::vector<int> chordIntervals(std::string_view quality)
{
    if (quality.empty())
        return {4, 7};
    if (quality == "m")
        return {3, 7};
    if (quality == "7")
        return {4, 7, 10};
    if (quality == "m7")
        return {3, 7, 10};
    if (quality == "dim")
        return {3, 6};
    reject("unknown chord quality", quality);
}

}  // namespace

int parsePitch(std::string_view name)
{
    const auto spelling = parseSpelling(name);
    const auto octaveText = name.substr(spelling.used);
    int octave = 0;
    const auto [end, error] = std::from_chars(octaveText.data(), octaveText.data() + octaveText.size(), octave);
    if (octaveText.empty() || error != std::errc{} || end != octaveText.data() + octaveText.size())
        reject("not a pitch", name);
    const int pitch = 12 * (octave + 1) + spelling.semitones;
    if (pitch < 0 || pitch > 127)
        reject("pitch out of the MIDI range", name);
    return pitch;
}

int parseDuration(std::string_view symbol, const Meter& meter)
{
    const bool dotted = symbol.size() == 2 && symbol[1] == '.';
    if (symbol.size() != 1 && !dotted)
        reject("not a duration", symbol);
    const int quarter = meter.ticksPerQuarter;
    int ticks = 0;
    switch (symbol.front()) {
    case 's':
        ticks = quarter / 4;
        break;
    case 'e':
        ticks = quarter / 2;
        break;
    case 'q':
        ticks = quarter;
        break;
    case 'h':
        ticks = quarter * 2;
        break;
    case 'w':
        ticks = quarter * 4;
        break;
    default:
        reject("not a duration", symbol);
    }
    return dotted ? ticks * 3 / 2 : ticks;
}

std::vector<Note> parseMelody(std::span<const std::string_view> bars, const Meter& meter, int startTick, int velocity)
{
    std::vector<Note> notes;
    int barStart = startTick;
    for (const auto bar : bars) {
        int tick = barStart;
        for (const auto word : words(bar)) {
            const auto colon = word.find(':');
            if (colon == std::string_view::npos)
                reject("expected pitch:duration", word);
            const int length = parseDuration(word.substr(colon + 1), meter);
            if (word.substr(0, colon) != "r")
                notes.push_back({tick, length, parsePitch(word.substr(0, colon)), velocity});
            tick += length;
        }
        if (tick - barStart != meter.barTicks())
            reject("bar does not fill the meter", bar);
        barStart += meter.barTicks();
    }
    return notes;
}

std::vector<int> Chord::pitchClasses() const
{
    std::vector<int> classes{root};
    for (const int interval : intervals)
        classes.push_back((root + interval) % 12);
    return classes;
}

Chord parseChord(std::string_view symbol)
{
    const auto slash = symbol.find('/');
    const auto name = symbol.substr(0, slash);
    const auto root = parseSpelling(name);
    Chord chord{root.pitchClass(), chordIntervals(name.substr(root.used)), root.pitchClass()};
    if (slash != std::string_view::npos) {
        const auto bassName = symbol.substr(slash + 1);
        const auto bass = parseSpelling(bassName);
        if (bass.used != bassName.size())
            reject("not a bass note", bassName);
        chord.bass = bass.pitchClass();
    }
    return chord;
}

std::vector<ChordSpan> parseChords(std::span<const std::string_view> bars, const Meter& meter, int startTick)
{
    std::vector<ChordSpan> spans;
    int barStart = startTick;
    for (const auto bar : bars) {
        const auto symbols = words(bar);
        if (symbols.empty() || meter.barTicks() % static_cast<int>(symbols.size()) != 0)
            reject("chords do not share the bar evenly", bar);
        const int length = meter.barTicks() / static_cast<int>(symbols.size());
        for (std::size_t i = 0; i < symbols.size(); ++i)
            spans.push_back({parseChord(symbols[i]), barStart + static_cast<int>(i) * length, length});
        barStart += meter.barTicks();
    }
    return spans;
}

}  // namespace morvane::soundgen
