// SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The MIDI piece check and length: what the music player reports before FluidSynth has read the file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "sound/midi_piece.h"
#include "sound_fixtures.h"

namespace morvane::audiotest {
namespace {

TEST(MidiPieceLength, IsTheTickWhereTheLongestTrackEnds)
{
    TrackBytes shortTrack;
    shortTrack.at(0, {0x90, 60, 100}).at(100, {0x80, 60, 0}).end();
    TrackBytes longTrack;
    longTrack.at(10, {0x91, 62, 100}).at(300, {0x81, 62, 0}).end(50);
    const auto piece = measureMidiPiece(midiFile(480, {shortTrack, longTrack}));
    ASSERT_TRUE(piece);
    EXPECT_EQ(piece->lengthTicks, 360);
}

TEST(MidiPieceLength, FollowsRunningStatusAndSkipsMetaAndSystemExclusiveEvents)
{
    TrackBytes track;
    track.at(0, {0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g'})
        .at(0, {0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7})
        .at(0, {0x90, 60, 100})
        .at(120, {64, 100})  // running status: another note on
        .at(120, {60, 0})
        .at(120, {0xC0, 5})
        .at(0, {0xD0, 40})
        .at(120, {0x80, 64, 0})
        .end();
    const auto piece = measureMidiPiece(midiFile(96, {track}));
    ASSERT_TRUE(piece);
    EXPECT_EQ(piece->lengthTicks, 480);
}

TEST(MidiPieceLength, EndsAtTheEndOfTrackEventWhateverFollowsIt)
{
    TrackBytes track;
    track.at(0, {0x90, 60, 100}).at(200, {0x80, 60, 0}).end(40).at(5000, {0x90, 61, 100});
    const auto piece = measureMidiPiece(midiFile(480, {track}));
    ASSERT_TRUE(piece);
    EXPECT_EQ(piece->lengthTicks, 240);
}

TEST(MidiPieceLength, SkipsChunksThatAreNotTracks)
{
    TrackBytes track;
    track.at(0, {0x90, 60, 100}).at(480, {0x80, 60, 0}).end();
    Bytes file = midiFile(480, {track});
    const Bytes foreign = {'X', 'Y', 'Z', 'W', 0, 0, 0, 3, 1, 2, 3};
    file.insert(file.begin() + 14, foreign.begin(), foreign.end());
    const auto piece = measureMidiPiece(file);
    ASSERT_TRUE(piece);
    EXPECT_EQ(piece->lengthTicks, 480);
}

Bytes playableFile()
{
    TrackBytes track;
    track.at(0, {0x90, 60, 100}).at(480, {0x80, 60, 0}).end();
    return midiFile(480, {track});
}

TEST(MidiPieceCheck, RefusesWhatFluidSynthWouldNotPlay)
{
    const Bytes good = playableFile();
    EXPECT_TRUE(measureMidiPiece(good));

    EXPECT_FALSE(measureMidiPiece({})) << "empty";
    Bytes truncated(good.begin(), good.end() - 3);
    EXPECT_FALSE(measureMidiPiece(truncated)) << "cut short inside its track";
    Bytes noTrack(good.begin(), good.begin() + 14);
    EXPECT_FALSE(measureMidiPiece(noTrack)) << "header without its track";
    Bytes smpte = good;
    smpte[12] = 0xE7;  // -25 frames a second
    EXPECT_FALSE(measureMidiPiece(smpte)) << "SMPTE division";
    Bytes format3 = good;
    format3[9] = 3;
    EXPECT_FALSE(measureMidiPiece(format3)) << "unknown format";
    Bytes wrongTag = good;
    wrongTag[0] = 'R';
    EXPECT_FALSE(measureMidiPiece(wrongTag)) << "not a MIDI file";
}

TEST(MidiPieceCheck, RefusesBrokenEvents)
{
    TrackBytes dataWithoutStatus;
    dataWithoutStatus.at(0, {60, 100}).end();
    EXPECT_FALSE(measureMidiPiece(midiFile(480, {dataWithoutStatus})));

    TrackBytes badTempo;
    badTempo.at(0, {0xFF, 0x51, 0x02, 0x07, 0xA1}).at(10, {0x90, 60, 1}).end();
    EXPECT_FALSE(measureMidiPiece(midiFile(480, {badTempo})));

    TrackBytes endlessDelta;
    endlessDelta.at(0, {0x90, 60, 1}).end();
    Bytes file = midiFile(480, {endlessDelta});
    file.insert(file.end() - 4, {0x80, 0x80, 0x80, 0x80});  // five bytes of delta time
    file[21] += 4;
    EXPECT_FALSE(measureMidiPiece(file));
}

TEST(MidiPieceCheck, RefusesAPieceWithNothingToPlay)
{
    TrackBytes empty;
    empty.end();
    EXPECT_FALSE(measureMidiPiece(midiFile(480, {empty})));
}

TEST(MidiPieceCheck, RefusesRandomBytes)
{
    Bytes noise(2000);
    std::uint32_t seed = 7;
    for (auto& b : noise) {
        seed = seed * 1103515245 + 12345;
        b = static_cast<unsigned char>(seed >> 16);
    }
    EXPECT_FALSE(measureMidiPiece(noise));
}

TEST(MidiPieceRead, ReadsTheFileAndRefusesOneThatIsMissing)
{
    const auto folder = std::filesystem::temp_directory_path() / ("morvane-midi-piece-" + std::to_string(getpid()));
    writeFile(folder / "piece.mid", playableFile());
    const auto piece = readMidiPiece((folder / "piece.mid").string());
    ASSERT_TRUE(piece);
    EXPECT_EQ(piece->lengthTicks, 480);
    EXPECT_EQ(piece->bytes, playableFile());
    EXPECT_FALSE(readMidiPiece((folder / "missing.mid").string()));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace morvane::audiotest
