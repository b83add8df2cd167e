#!/bin/bash
# Synthesises the game's sounds and music with sox.
#
#   bash tools/gen_sounds.sh [OUTDIR]      (default: data/)
#
# Writes OUTDIR/sound/{impact_light,impact_heavy,dead_small,dead_big}.ogg and
# OUTDIR/music/{menu,level_calm,level_deep,level_reef}.ogg.  Everything is
# made from sine, triangle and noise generators: pads of layered chords, a
# plucked arpeggio over them, reverb, then Ogg Vorbis at a modest quality so
# the files stay small.  The output is deterministic apart from the encoder's
# header serial numbers.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../data}
rate=22050
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out/sound" "$out/music"

synth() { sox -q -n -r $rate -c 1 -b 16 "$@"; }

# --- short sounds ------------------------------------------------------------

# A light thud: a short low knock with a little wooden click.
synth "$work/a.wav" synth 0.25 sine 180-90 fade q 0.002 0.25 0.2 vol 0.8
synth "$work/b.wav" synth 0.06 pinknoise fade q 0.001 0.06 0.05 highpass 1200 vol 0.35
sox -q -m "$work/a.wav" "$work/b.wav" "$work/c.wav" pad 0 0.4 reverb 20 50 30
sox -q "$work/c.wav" -C 3 "$out/sound/impact_light.ogg" norm -3

# A heavy clank: deep metallic boom with inharmonic partials.
synth "$work/a.wav" synth 0.9 sine 70-45 fade q 0.002 0.9 0.8 vol 0.9
synth "$work/b.wav" synth 0.6 sine 311 sine 547 sine 829 fade q 0.001 0.6 0.55 vol 0.25
synth "$work/d.wav" synth 0.1 brownnoise fade q 0.001 0.1 0.09 vol 0.6
sox -q -m "$work/a.wav" "$work/b.wav" "$work/d.wav" "$work/c.wav" pad 0 0.4 reverb 40 50 60
sox -q "$work/c.wav" -C 3 "$out/sound/impact_heavy.ogg" norm -2

# The small fish dies: a falling high bubble glide.
synth "$work/a.wav" synth 0.9 sine 1200-300 tremolo 14 60 fade q 0.01 0.9 0.5 vol 0.6
synth "$work/b.wav" synth 0.9 sine 1800-450 fade q 0.01 0.9 0.6 vol 0.2
sox -q -m "$work/a.wav" "$work/b.wav" "$work/c.wav" pad 0 0.4 reverb 50
sox -q "$work/c.wav" -C 3 "$out/sound/dead_small.ogg" norm -3

# The big fish dies: a slow low falling groan.
synth "$work/a.wav" synth 1.6 triangle 300-80 tremolo 6 50 fade q 0.02 1.6 1.0 vol 0.6
synth "$work/b.wav" synth 1.6 sine 150-40 fade q 0.02 1.6 1.2 vol 0.5
sox -q -m "$work/a.wav" "$work/b.wav" "$work/c.wav" lowpass 1500 pad 0 0.5 reverb 60
sox -q "$work/c.wav" -C 3 "$out/sound/dead_big.ogg" norm -3

# --- music -------------------------------------------------------------------

# note NAME -> frequency (A4 = 440 Hz), e.g. note A3
note() {
    awk -v n="$1" 'BEGIN {
        split("C C# D D# E F F# G G# A A# B", names, " ");
        name = substr(n, 1, length(n) - 1); oct = substr(n, length(n)) + 0;
        for (i = 1; i <= 12; i++) if (names[i] == name) idx = i - 1;
        printf "%.3f", 440 * 2 ^ ((idx - 9) / 12 + (oct - 4));
    }'
}

# pad OUT SECONDS_PER_CHORD "C3 E3 G3" "A2 C3 E3" ...: soft sustained chords
pad() {
    local file=$1 len=$2; shift 2
    local parts=() i=0
    for chord in "$@"; do
        local args=()
        for n in $chord; do args+=(sine "$(note "$n")"); done
        synth "$work/pad$i.wav" synth "$len" "${args[@]}" tremolo 0.3 20 \
            fade t $(awk -v l="$len" 'BEGIN{print l*0.3}') "$len" $(awk -v l="$len" 'BEGIN{print l*0.3}') vol 0.5
        parts+=("$work/pad$i.wav"); i=$((i + 1))
    done
    sox -q "${parts[@]}" "$file"
}

# arp OUT SECONDS_PER_NOTE "C4 E4 G4 - E4 ...": plucked notes, "-" is a rest
arp() {
    local file=$1 len=$2; shift 2
    local parts=() i=0
    for n in $*; do
        if [ "$n" = "-" ]; then
            synth "$work/arp$i.wav" trim 0 "$len"
        else
            synth "$work/arp$i.wav" synth "$len" pluck "$(note "$n")" fade q 0.005 "$len" "$(awk -v l="$len" 'BEGIN{print l*0.7}')" vol 0.35
        fi
        parts+=("$work/arp$i.wav"); i=$((i + 1))
    done
    sox -q "${parts[@]}" "$file"
}

# tune OUT: mixes pad.wav, arp.wav and a slow bubbling noise into a loop
tune() {
    local file=$1 len
    len=$(soxi -D "$work/pad.wav")
    synth "$work/bub.wav" synth "$len" brownnoise band 400 300 tremolo 0.15 80 vol 0.06
    sox -V1 -q -m -v 1.0 "$work/pad.wav" -v 0.9 "$work/arp.wav" -v 1.0 "$work/bub.wav" "$work/mix.wav" \
        reverb 60 50 80 trim 0 "$len" fade t 0.05 "$len" 0.4 norm -4
    sox -q "$work/mix.wav" -C 0 "$file"
}

# Menu: a calm lilt in A minor, four chords of 6 s (24 s).
pad "$work/pad.wav" 6 "A2 E3 A3 C4" "F2 C3 F3 A3" "C3 G3 C4 E4" "G2 D3 G3 B3"
arp "$work/arp.wav" 0.5 \
    A3 C4 E4 A4 E4 C4 A3 - E4 - C4 - \
    F3 A3 C4 F4 C4 A3 F3 - C4 - A3 - \
    C4 E4 G4 C5 G4 E4 C4 - G4 - E4 - \
    G3 B3 D4 G4 D4 B3 G3 - D4 - B3 -
tune "$out/music/menu.ogg"

# Calm level: D dorian, slow (32 s).
pad "$work/pad.wav" 8 "D3 A3 D4 F4" "C3 G3 C4 E4" "A#2 F3 A#3 D4" "C3 G3 C4 E4"
arp "$work/arp.wav" 0.8 \
    D4 - A4 - F4 - E4 - D4 - C4 - \
    E4 - G4 - C5 - G4 - E4 - - - \
    D4 - F4 - A#4 - A4 - F4 - D4 - \
    E4 - G4 - E4 - C4 - - - - -
tune "$out/music/level_calm.ogg"

# Deep level: low and sparse in E minor (30 s).
pad "$work/pad.wav" 10 "E2 B2 E3 G3" "C2 G2 C3 E3" "D2 A2 D3 F#3"
arp "$work/arp.wav" 1.0 \
    E3 - G3 - B3 - - - A3 - \
    G3 - E3 - - - C3 - E3 - \
    D3 - F#3 - A3 - - - F#3 -
tune "$out/music/level_deep.ogg"

# Reef level: brighter, in G major (24 s).
pad "$work/pad.wav" 6 "G2 D3 G3 B3" "E2 B2 E3 G3" "C3 G3 C4 E4" "D3 A3 D4 F#4"
arp "$work/arp.wav" 0.375 \
    G4 B4 D5 B4 G4 D4 G4 B4 D5 - B4 - G4 - D4 - \
    E4 G4 B4 G4 E4 B3 E4 G4 B4 - G4 - E4 - - - \
    C4 E4 G4 E4 C4 G3 C4 E4 G4 - E4 - C4 - - - \
    D4 F#4 A4 F#4 D4 A3 D4 F#4 A4 - F#4 - D4 - - -
tune "$out/music/level_reef.ogg"
