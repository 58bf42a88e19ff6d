// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The sound files written by the build: two MIDI pieces that loop without a seam, and the card rustle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readSoundFile(const std::string& name)
{
    std::ifstream in(std::string(MORVANE_BIN_DIR) + "/" + name, std::ios::binary);
    if (!in)
        throw std::runtime_error(name + " cannot be opened");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads the numbers of a file in order, and fails instead of reading past its end.
class ByteReader {
public:
    ByteReader(const Bytes& bytes, std::size_t begin, std::size_t end)
        : bytes_(bytes), at_(begin), end_(std::min(end, bytes.size()))
    {
    }

    bool atEnd() const { return at_ >= end_; }
    std::size_t position() const { return at_; }

    std::uint8_t byte()
    {
        if (at_ >= end_)
            throw std::runtime_error("read past the end at byte " + std::to_string(at_));
        return bytes_[at_++];
    }

    std::uint32_t bigEndian(int size)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value = value << 8 | byte();
        return value;
    }

    std::uint32_t littleEndian(int size)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return value;
    }

    // MIDI's numbers of seven bits a byte, at most four bytes.
    std::uint32_t variableLength()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto next = byte();
            value = value << 7 | (next & 0x7F);
            if ((next & 0x80) == 0)
                return value;
        }
        throw std::runtime_error("variable-length number longer than four bytes");
    }

    std::string tag()
    {
        std::string text;
        for (int i = 0; i < 4; ++i)
            text += static_cast<char>(byte());
        return text;
    }

    void skip(std::size_t count)
    {
        if (count > end_ - at_)
            throw std::runtime_error("chunk runs past the end");
        at_ += count;
    }

private:
    const Bytes& bytes_;
    std::size_t at_;
    std::size_t end_;
};

// ---------------------------------------------------------------------------------------------
// MIDI

struct SoundingNote {
    int channel = 0;
    int pitch = 0;
    int velocity = 0;
    std::uint32_t on = 0;
    std::uint32_t off = 0;
};

struct TimeSignature {
    std::uint32_t tick = 0;
    int beats = 4;
    int beatUnit = 4;
};

struct MidiFile {
    int format = -1;
    int declaredTracks = 0;
    int ticksPerQuarter = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;  // tick, microseconds per quarter
    std::vector<TimeSignature> signatures;
    std::map<int, std::uint32_t> firstProgram;  // channel: tick of its first program change
    std::map<int, std::uint32_t> firstVolume;   // channel: tick of its first channel volume
    std::vector<SoundingNote> notes;
    std::vector<std::uint32_t> trackEnds;
    std::vector<std::string> faults;  // notes struck twice, released unstruck or left sounding

    std::uint32_t endTick() const
    {
        return trackEnds.empty() ? 0 : *std::max_element(trackEnds.begin(), trackEnds.end());
    }

    double secondsAt(std::uint32_t tick) const
    {
        double seconds = 0;
        std::uint32_t from = 0;
        std::uint32_t tempo = 500000;  // the standard's default until a tempo is set
        for (const auto& [at, micros] : tempos) {
            if (at >= tick)
                break;
            seconds += ticksToSeconds(at - from, tempo);
            from = at;
            tempo = micros;
        }
        return seconds + ticksToSeconds(tick - from, tempo);
    }

    double ticksToSeconds(std::uint32_t ticks, std::uint32_t microsecondsPerQuarter) const
    {
        return static_cast<double>(ticks) * microsecondsPerQuarter / 1e6 / ticksPerQuarter;
    }

    bool onBarLine(std::uint32_t tick) const
    {
        TimeSignature current;
        for (const auto& next : signatures) {
            if (next.tick > tick)
                break;
            current = next;
        }
        if (current.beats <= 0 || current.beatUnit <= 0)
            return false;
        const auto bar = static_cast<std::uint32_t>(ticksPerQuarter * 4 * current.beats / current.beatUnit);
        return bar > 0 && (tick - current.tick) % bar == 0;
    }
};

class TrackReader {
public:
    TrackReader(MidiFile& file, ByteReader reader) : file_(file), in_(reader) {}

    void read()
    {
        std::optional<std::uint32_t> end;
        while (!in_.atEnd()) {
            tick_ += in_.variableLength();
            if (end)
                file_.faults.push_back("events after the end of a track");
            if (event() && !end)
                end = tick_;
        }
        if (!end)
            file_.faults.push_back("a track without an end");
        for (const auto& [key, note] : sounding_)
            file_.faults.push_back("note " + std::to_string(key.second) + " left sounding at the end");
        file_.trackEnds.push_back(end.value_or(tick_));
    }

private:
    // Reads one event; true for the end of the track.
    bool event()
    {
        const std::uint8_t status = in_.byte();
        if (status < 0x80) {  // running status: the byte read is already data
            if (running_ == 0)
                throw std::runtime_error("data byte without a status");
            return channelMessage(running_, status);
        }
        if (status == 0xFF)
            return metaEvent();
        if (status == 0xF0 || status == 0xF7) {
            in_.skip(in_.variableLength());
            return false;
        }
        running_ = status;
        return channelMessage(status, in_.byte());
    }

    bool metaEvent()
    {
        const auto type = in_.byte();
        const auto length = in_.variableLength();
        ByteReader data(in_);
        in_.skip(length);
        if (type == 0x51 && length == 3)
            file_.tempos.emplace_back(tick_, data.bigEndian(3));
        if (type == 0x58 && length == 4) {
            const int beats = data.byte();
            const int unitPower = data.byte();
            file_.signatures.push_back({tick_, beats, unitPower < 8 ? 1 << unitPower : 0});
        }
        return type == 0x2F;
    }

    bool channelMessage(std::uint8_t status, std::uint8_t first)
    {
        const int kind = status >> 4;
        const int channel = status & 0x0F;
        if (kind == 0xC || kind == 0xD) {
            if (kind == 0xC)
                file_.firstProgram.try_emplace(channel, tick_);
            return false;
        }
        const auto second = in_.byte();
        if (kind == 0xB && first == 7)
            file_.firstVolume.try_emplace(channel, tick_);
        if (kind == 0x9 && second > 0)
            strike(channel, first, second);
        else if (kind == 0x8 || kind == 0x9)
            release(channel, first);
        return false;
    }

    void strike(int channel, int pitch, int velocity)
    {
        if (!sounding_.try_emplace({channel, pitch}, SoundingNote{channel, pitch, velocity, tick_, 0}).second)
            file_.faults.push_back("note " + std::to_string(pitch) + " struck again while sounding at tick " +
                                   std::to_string(tick_));
    }

    void release(int channel, int pitch)
    {
        const auto note = sounding_.find({channel, pitch});
        if (note == sounding_.end()) {
            file_.faults.push_back("note " + std::to_string(pitch) + " released but not sounding at tick " +
                                   std::to_string(tick_));
            return;
        }
        note->second.off = tick_;
        file_.notes.push_back(note->second);
        sounding_.erase(note);
    }

    MidiFile& file_;
    ByteReader in_;
    std::uint32_t tick_ = 0;
    std::uint8_t running_ = 0;
    std::map<std::pair<int, int>, SoundingNote> sounding_;
};

MidiFile readMidiFile(const std::string& name)
{
    const auto bytes = readSoundFile(name);
    ByteReader in(bytes, 0, bytes.size());
    MidiFile file;
    if (in.tag() != "MThd" || in.bigEndian(4) != 6)
        throw std::runtime_error(name + " has no MIDI header");
    file.format = static_cast<int>(in.bigEndian(2));
    file.declaredTracks = static_cast<int>(in.bigEndian(2));
    file.ticksPerQuarter = static_cast<int>(in.bigEndian(2));
    while (!in.atEnd()) {
        const auto tag = in.tag();
        const auto length = in.bigEndian(4);
        if (tag == "MTrk")
            TrackReader(file, ByteReader(bytes, in.position(), in.position() + length)).read();
        in.skip(length);
    }
    std::sort(file.tempos.begin(), file.tempos.end());
    return file;
}

struct PieceFile {
    const char* name;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const PieceFile& piece, std::ostream* out) { *out << piece.name; }

class MusicFile : public ::testing::TestWithParam<PieceFile> {
protected:
    void SetUp() override { ASSERT_NO_THROW(midi = readMidiFile(GetParam().name)); }
    MidiFile midi;
};

TEST_P(MusicFile, IsAStandardMidiFileWithATempoMap)
{
    EXPECT_TRUE(midi.format == 0 || midi.format == 1);
    EXPECT_EQ(midi.declaredTracks, static_cast<int>(midi.trackEnds.size()));
    ASSERT_GT(midi.ticksPerQuarter, 0) << "the division must count ticks per quarter note";
    ASSERT_FALSE(midi.tempos.empty());
    EXPECT_EQ(midi.tempos.front().first, 0u) << "the tempo must be set from the start";
    ASSERT_FALSE(midi.signatures.empty());
    EXPECT_EQ(midi.signatures.front().tick, 0u);
}

TEST_P(MusicFile, LastsAsLongAsItsPlaceInTheGameNeeds)
{
    const double seconds = midi.secondsAt(midi.endTick());
    EXPECT_GE(seconds, GetParam().minSeconds);
    EXPECT_LE(seconds, GetParam().maxSeconds);
}

TEST_P(MusicFile, ChoosesInstrumentAndVolumeBeforeEachChannelPlays)
{
    std::map<int, std::uint32_t> firstNote;
    for (const auto& note : midi.notes)
        if (auto [at, added] = firstNote.try_emplace(note.channel, note.on); !added)
            at->second = std::min(at->second, note.on);
    ASSERT_FALSE(firstNote.empty());
    for (const auto& [channel, tick] : firstNote) {
        ASSERT_TRUE(midi.firstProgram.contains(channel)) << "channel " << channel;
        ASSERT_TRUE(midi.firstVolume.contains(channel)) << "channel " << channel;
        EXPECT_LE(midi.firstProgram.at(channel), tick) << "channel " << channel;
        EXPECT_LE(midi.firstVolume.at(channel), tick) << "channel " << channel;
    }
}

TEST_P(MusicFile, ReleasesEveryNoteItStrikesByTheEnd)
{
    for (const auto& fault : midi.faults)
        ADD_FAILURE() << fault;
    EXPECT_FALSE(midi.notes.empty());
}

// A looping player jumps from the end marker back to tick 0: the marker must close the last bar,
// with music up to it and music from the very start.
TEST_P(MusicFile, LoopsOnABarLineWithoutAHole)
{
    for (const auto end : midi.trackEnds)
        EXPECT_EQ(end, midi.endTick()) << "every track ends with the piece";
    EXPECT_TRUE(midi.onBarLine(midi.endTick())) << "end at tick " << midi.endTick();
    ASSERT_FALSE(midi.notes.empty());
    const auto first = std::min_element(midi.notes.begin(), midi.notes.end(),
                                        [](const auto& a, const auto& b) { return a.on < b.on; });
    const auto last = std::max_element(midi.notes.begin(), midi.notes.end(),
                                       [](const auto& a, const auto& b) { return a.off < b.off; });
    EXPECT_EQ(first->on, 0u) << "silence before the first note";
    EXPECT_EQ(last->off, midi.endTick()) << "silence after the last note";
}

INSTANTIATE_TEST_SUITE_P(SoundFiles, MusicFile,
                         ::testing::Values(PieceFile{"Music/10vazid.mid", 60.0, 120.0},
                                           PieceFile{"Music/finale.mid", 10.0, 30.0}));

// Heard through a whole game, the background music stays moderate: nearly all notes are played
// between 50 and 85, and none hard.
TEST(BackgroundMusic, PlaysMostNotesAtAModerateVelocity)
{
    const auto midi = readMidiFile("Music/10vazid.mid");
    ASSERT_FALSE(midi.notes.empty());
    const auto moderate = std::count_if(midi.notes.begin(), midi.notes.end(),
                                        [](const auto& note) { return note.velocity >= 50 && note.velocity <= 85; });
    EXPECT_GE(static_cast<double>(moderate) / static_cast<double>(midi.notes.size()), 0.9);
    for (const auto& note : midi.notes)
        EXPECT_LE(note.velocity, 100) << "note " << note.pitch << " at tick " << note.on;
}

// ---------------------------------------------------------------------------------------------
// WAV

struct WaveFile {
    int encoding = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<double> frames;  // mono, full scale at 1.0

    double seconds() const { return static_cast<double>(frames.size()) / sampleRate; }

    double peak(std::size_t from, std::size_t to) const
    {
        double peak = 0;
        for (std::size_t i = from; i < std::min(to, frames.size()); ++i)
            peak = std::max(peak, std::abs(frames[i]));
        return peak;
    }
};

void readSamples(WaveFile& wave, ByteReader data)
{
    const auto sample = [&data] { return static_cast<std::int16_t>(data.littleEndian(2)) / 32768.0; };
    while (!data.atEnd()) {
        double sum = 0;
        for (int channel = 0; channel < wave.channels; ++channel)
            sum += sample();
        wave.frames.push_back(sum / wave.channels);
    }
}

WaveFile readWaveFile(const std::string& name)
{
    const auto bytes = readSoundFile(name);
    ByteReader in(bytes, 0, bytes.size());
    if (in.tag() != "RIFF" || (in.littleEndian(4), in.tag() != "WAVE"))
        throw std::runtime_error(name + " is not a RIFF WAVE file");
    WaveFile wave;
    while (!in.atEnd()) {
        const auto tag = in.tag();
        const auto length = in.littleEndian(4);
        ByteReader chunk(bytes, in.position(), in.position() + length);
        in.skip(length + length % 2);
        if (tag == "fmt ") {
            wave.encoding = static_cast<int>(chunk.littleEndian(2));
            wave.channels = static_cast<int>(chunk.littleEndian(2));
            wave.sampleRate = static_cast<int>(chunk.littleEndian(4));
            chunk.skip(6);
            wave.bitsPerSample = static_cast<int>(chunk.littleEndian(2));
        } else if (tag == "data" && wave.encoding == 1 && wave.bitsPerSample == 16 && wave.channels > 0) {
            readSamples(wave, chunk);
        }
    }
    return wave;
}

double decibels(double level) { return 20 * std::log10(level); }

// How alike the sound is to itself shifted by `lag` frames: near 1 at the period of a tone.
double selfSimilarity(const std::vector<double>& frames, std::size_t lag)
{
    double shifted = 0;
    double energy = 0;
    for (std::size_t i = 0; i + lag < frames.size(); ++i) {
        shifted += frames[i] * frames[i + lag];
        energy += frames[i] * frames[i];
    }
    return energy > 0 ? shifted / energy : 0;
}

class CardRustleFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_THROW(wave = readWaveFile("carta.wav")); }
    std::size_t milliseconds(int count) const { return static_cast<std::size_t>(wave.sampleRate) * count / 1000; }
    WaveFile wave;
};

TEST_F(CardRustleFile, IsSixteenBitPcmAt44100Hz)
{
    EXPECT_EQ(wave.encoding, 1);
    EXPECT_EQ(wave.bitsPerSample, 16);
    EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
    EXPECT_EQ(wave.sampleRate, 44100);
    EXPECT_FALSE(wave.frames.empty());
}

TEST_F(CardRustleFile, LastsAFractionOfASecond)
{
    ASSERT_GT(wave.sampleRate, 0);
    EXPECT_GE(wave.seconds(), 0.15);
    EXPECT_LE(wave.seconds(), 0.4);
}

TEST_F(CardRustleFile, PeaksWellAboveSilenceAndBelowClipping)
{
    const double peak = decibels(wave.peak(0, wave.frames.size()));
    EXPECT_GE(peak, -12.0);
    EXPECT_LE(peak, -3.0);
}

// A sound that starts or stops on a loud sample clicks.
TEST_F(CardRustleFile, StartsAndEndsQuietly)
{
    ASSERT_GT(wave.frames.size(), milliseconds(20));
    const double peak = wave.peak(0, wave.frames.size());
    EXPECT_LT(std::abs(wave.frames.front()), 0.01);
    EXPECT_LT(wave.peak(0, milliseconds(1)), peak / 4) << "the first millisecond";
    EXPECT_LT(std::abs(wave.frames.back()), 0.01);
    EXPECT_LT(wave.peak(wave.frames.size() - milliseconds(10), wave.frames.size()), peak / 20) << "the last 10 ms";
}

// A rustle is noise: it never repeats itself the way a tone of 90 Hz to 2 kHz does.
TEST_F(CardRustleFile, IsNoiseRatherThanATone)
{
    double strongest = 0;
    for (std::size_t lag = 20; lag <= 500; ++lag)
        strongest = std::max(strongest, selfSimilarity(wave.frames, lag));
    EXPECT_LT(strongest, 0.5);
}

}  // namespace
