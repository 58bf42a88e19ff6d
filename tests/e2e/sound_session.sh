#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Vandrel <morvane@vandrel.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# The sound on a real sound server: a PulseAudio server of its own with a null sink, whose monitor is
# recorded. First the audio backend alone plays the background music and the rustle into it; then
# the game under its own Xvfb: its music is heard after the title pause, nothing while Music is
# switched off, and the rustle when the stock is clicked.
# Usage: sound_session.sh GAME PLAY_SOUND OUT (the game's sound files lie beside GAME).
set -euo pipefail

game=$1
play_sound=$2
out=$3
sounds=$(dirname "$game")
mkdir -p "$out"
rm -f "$out"/*.raw

source "$(dirname "$0")/session_support.sh"
start_pulse

# listen SECONDS NAME: records what the sink plays, 16-bit stereo at 44100 Hz, into OUT/NAME.raw, in the
# background as $recorder; returns once the recording runs, which takes parec a second or two.
listen() {
  { parec -d morvane.monitor --raw --format=s16le --rate=44100 --channels=2 --latency-msec=20 2>/dev/null || true; } |
    head -c "$(awk -v s="$1" 'BEGIN { printf "%d", s * 44100 * 4 }')" >"$out/$2.raw" &
  recorder=$!
  within_5s test -s "$out/$2.raw" || fail "the sink's monitor gave nothing to record"
}
# "PEAK SHARE": a recording's loudest sample (of 32767) and the share of its tenths of a second in
# which something sounds, louder than 1% of full scale.
loudness() {
  python3 -c '
import array, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
tenth = 44100 * 2 // 10
peaks = [max(map(abs, samples[i:i + tenth])) for i in range(0, len(samples) - tenth + 1, tenth)]
print(max(peaks, default=0), sum(p > 327 for p in peaks) / max(len(peaks), 1))' "$out/$1.raw"
}
expect_music() {
  read -r peak share <<<"$(loudness "$1")"
  awk -v s="$share" 'BEGIN { exit !(s >= 0.9) }' || fail "$2: sound in only $share of the time (loudest $peak)"
}
expect_sound() {
  read -r peak _ <<<"$(loudness "$1")"
  [ "$peak" -gt 327 ] || fail "$2: nothing heard (loudest $peak)"
}
expect_silence() {
  read -r peak _ <<<"$(loudness "$1")"
  [ "$peak" -le 327 ] || fail "$2: sound heard (loudest $peak)"
}
playing() { [ -n "$(pactl list short sink-inputs)" ]; }

# The backend alone: the music once it plays, then the rustle.
"$play_sound" music "$sounds/Music/10vazid.mid" 20 &
player=$!
within_5s playing || fail "the backend's music never reached the sound server"
listen 2 backend-music
wait "$recorder"
kill "$player"
expect_music backend-music "the backend's music"
listen 1.5 backend-rustle
"$play_sound" rustle "$sounds/carta.wav" 1
wait "$recorder"
expect_sound backend-rustle "the backend's rustle"

start_xvfb 1024x768x24
start_game "$game"
sleep 4.5
listen 2 game-music
wait "$recorder"
expect_music game-music "the game's music after the title pause"

xdotool key alt+o
sleep 0.3
xdotool key Down Return
sleep 0.5
listen 1.5 music-off
wait "$recorder"
expect_silence music-off "the game's music switched off"

listen 1.5 stock-click
click 530 60
wait "$recorder"
expect_sound stock-click "the rustle of a stock click"

quit_within 5 "with its sound on PulseAudio"
echo "sound session passed"
