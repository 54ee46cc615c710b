#!/bin/sh
# Sound recipes: every sound the program plays, synthesised with sox.
# Usage: make-sounds.sh OUTDIR     (writes OUTDIR/*.wav, 44100 Hz mono 16-bit PCM)
# Every sound ends at a peak of -1 dBFS so none is louder than the others.
set -eu
out=${1:?usage: make-sounds.sh OUTDIR}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# -R: fixed seeds for noise and dither, so a remake gives the same bytes;
# Each synth is followed by "gain -8" to leave headroom for the filters after it.
S="sox -R -D -V2"
N="$S"
F="-r 44100 -c 1 -b 16"

# note NAME SECONDS FREQ...: a brass-like note (bright saw with a soft start).
note() {
  name=$1 len=$2; shift 2
  gens="sawtooth $1"; shift
  for f in "$@"; do gens="$gens sawtooth mix $f"; done
  # shellcheck disable=SC2086
  $S -n $F "$tmp/$name.wav" synth "$len" $gens gain -8 lowpass 2600 fade t 0.02 "$len" 0.06
}

# clap NAME: one hand clap, a short burst of band-limited noise.
clap() {
  $S -n $F "$tmp/$1.wav" synth 0.09 whitenoise gain -8 bandpass "$2" 1.2q fade q 0.001 0.09 0.08
}

# place OUT IN SECONDS...: IN mixed into OUT at each start time.
place() {
  o=$1 in=$2; shift 2
  list=""
  i=0
  for t in "$@"; do
    i=$((i + 1))
    $S "$tmp/$in.wav" "$tmp/_pad$i.wav" pad "$t"
    list="$list $tmp/_pad$i.wav"
  done
  if [ "$i" -eq 1 ]; then cp "$tmp/_pad1.wav" "$tmp/$o.wav"; else
    # shellcheck disable=SC2086
    $S -m $list "$tmp/$o.wav"; fi
  rm -f "$tmp"/_pad*.wav
}

finish() { # finish NAME: normalise to -1 dBFS into the output folder
  $N "$tmp/$1.wav" $F "$out/$1.wav" gain -n -1
}

# --- interface sounds -------------------------------------------------------
$S -n $F "$tmp/click.wav" synth 0.03 sine 1900 sine mix 3100 gain -8 fade q 0.001 0.03 0.025
finish click
$S -n $F "$tmp/typekey.wav" synth 0.05 pinknoise gain -8 highpass 1500 bandpass 3500 2q fade q 0.001 0.05 0.045
finish typekey
$S -n $F "$tmp/t1.wav" synth 0.3 sine 95-45 gain -8 fade q 0.004 0.3 0.27
$S -n $F "$tmp/t2.wav" synth 0.3 brownnoise gain -8 lowpass 400 fade q 0.002 0.3 0.28
$S -m -v 1 "$tmp/t1.wav" -v 0.5 "$tmp/t2.wav" "$tmp/thud3.wav"
$N "$tmp/thud3.wav" $F "$out/thud3.wav" gain -n -6   # a soft landing, quieter than the rest

# --- celebrations -----------------------------------------------------------
# fanf2: "ta-ta-ta-taaa" up to the top note, with a chord at the end.
note g1 0.16 392; note g2 0.16 392; note g3 0.16 392
note c5 0.22 523.25; note e5 0.22 659.25
note end2 1.1 523.25 659.25 783.99 1046.5
$S "$tmp/g1.wav" "$tmp/g2.wav" "$tmp/g3.wav" "$tmp/c5.wav" "$tmp/e5.wav" "$tmp/end2.wav" "$tmp/fanf2.wav" reverb 30 50 60 0
finish fanf2

# fanf3: a rising triplet arpeggio answered by a held major chord, a little lower.
note a1 0.12 349.23; note a2 0.12 440; note a3 0.12 523.25
note a4 0.3 698.46; note a5 0.12 523.25; note a6 0.12 698.46
note end3 1.2 349.23 440 523.25 698.46
$S "$tmp/a1.wav" "$tmp/a2.wav" "$tmp/a3.wav" "$tmp/a4.wav" "$tmp/a5.wav" "$tmp/a6.wav" "$tmp/end3.wav" "$tmp/fanf3.wav" reverb 40 50 70 0
finish fanf3

# crowd: a hall full of excited voices, swelling and dying away.
$S -n $F "$tmp/c1.wav" synth 2.6 pinknoise gain -8 bandpass 700 1.5q tremolo 4.3 40 fade t 0.5 2.6 1.0
$S -n $F "$tmp/c2.wav" synth 2.6 pinknoise gain -8 bandpass 1400 2q tremolo 6.1 50 fade t 0.4 2.6 1.2
$S -n $F "$tmp/c3.wav" synth 2.6 sine 420-520 sine mix 610-700 gain -8 tremolo 5 60 fade t 0.6 2.6 1.3
$S -m -v 1 "$tmp/c1.wav" -v 0.7 "$tmp/c2.wav" -v 0.08 "$tmp/c3.wav" "$tmp/crowd.wav" reverb 50 50 100 0
finish crowd

# cheer2: "hooray!": rising whoops over a roar.
$S -n $F "$tmp/w1.wav" synth 0.7 triangle 500-900 gain -8 lowpass 2000 tremolo 7 30 fade t 0.05 0.7 0.3
$S -n $F "$tmp/w2.wav" synth 0.8 triangle 600-1000 gain -8 lowpass 2000 tremolo 6 30 fade t 0.05 0.8 0.3
place whoops w1 0.1 0.9
place whoops2 w2 0.5
$S -n $F "$tmp/roar.wav" synth 2.2 pinknoise gain -8 bandpass 1100 1q fade t 0.15 2.2 1.2
$S -m -v 0.25 "$tmp/whoops.wav" -v 0.2 "$tmp/whoops2.wav" -v 1 "$tmp/roar.wav" "$tmp/cheer2.wav" reverb 40 50 100 0
finish cheer2

# klaxon: "a-ooo-gah" twice, a horn whose pitch rises as the air comes.
$S -n $F "$tmp/k1.wav" synth 0.65 square 180-420 square mix 182-424 gain -8 overdrive 10 lowpass 3000 fade t 0.02 0.65 0.1
$S -n $F "$tmp/gap.wav" trim 0 0.12
$S "$tmp/k1.wav" "$tmp/gap.wav" "$tmp/k1.wav" "$tmp/klaxon.wav"
finish klaxon

# flute: a short cheerful tune, pure tone with vibrato and a breath of air.
i=0; list=""
for nf in "587.33 0.2" "659.25 0.2" "783.99 0.2" "880 0.4" "783.99 0.2" "987.77 0.3" "1174.66 0.7"; do
  set -- $nf; i=$((i + 1))
  $S -n $F "$tmp/fl$i.wav" synth "$2" sine "$1" gain -8 fade t 0.03 "$2" 0.05 tremolo 5.5 15
  list="$list $tmp/fl$i.wav"
done
# shellcheck disable=SC2086
$S $list "$tmp/flt.wav"
len=$(soxi -D "$tmp/flt.wav")
$S -n $F "$tmp/breath.wav" synth "$len" pinknoise gain -8 bandpass 2000 1q
$S -m -v 1 "$tmp/flt.wav" -v 0.04 "$tmp/breath.wav" "$tmp/flute.wav" reverb 40 50 100 0
finish flute

# gong: inharmonic partials that beat against each other and ring away.
$S -n $F "$tmp/gong.wav" synth 3.5 sine 98 sine mix 101 sine mix 163 sine mix 227 sine mix 311 sine mix 419 gain -14 \
  tremolo 3 20 fade l 0.003 3.5 3.4 lowpass 3000 reverb 30 50 100 0
finish gong

# clap2: a class applauding: many claps, their times spread by a fixed sequence.
clap c1 1500; clap c2 2200; clap c3 1100
for c in c1 c2 c3; do
  ts=""; x=$( (echo "$c" | cksum) | cut -d' ' -f1)
  t=0
  while [ "$t" -lt 2300 ]; do
    x=$(( (x * 1103515245 + 12345) % 2147483648 ))
    t=$(( t + 55 + x % 70 ))
    ts="$ts $(printf '0.%03d' "$t" | sed 's/^0\.\([0-9]\)\([0-9][0-9][0-9]\)$/\1.\2/')"
  done
  # shellcheck disable=SC2086
  place "all$c" "$c" $ts
done
$S -m "$tmp/allc1.wav" "$tmp/allc2.wav" "$tmp/allc3.wav" "$tmp/clap2.wav" fade t 0 -0 0.8 reverb 30 50 100 0
finish clap2

# clap3: rhythmic clapping, "clap clap, clap-clap-clap" twice.
clap k 1400
place clap3 k 0 0.3 0.6 0.75 0.9 1.3 1.6 1.9 2.05 2.2
$S "$tmp/clap3.wav" "$tmp/clap3r.wav" reverb 20 50 100 0
mv "$tmp/clap3r.wav" "$tmp/clap3.wav"
finish clap3

# drumroll: a snare roll growing louder, closed by a cymbal crash.
$S -n $F "$tmp/roll.wav" synth 1.8 whitenoise gain -8 bandpass 1800 0.8q tremolo 28 100 fade t 1.6 1.8 0
$S -n $F "$tmp/crash.wav" synth 1.4 whitenoise gain -8 highpass 4000 fade l 0.002 1.4 1.35
$S -n $F "$tmp/boom.wav" synth 0.5 sine 80-50 gain -8 fade q 0.002 0.5 0.45
$S -m "$tmp/crash.wav" "$tmp/boom.wav" "$tmp/hit.wav"
$S "$tmp/roll.wav" "$tmp/hit.wav" "$tmp/drumroll.wav" reverb 20 50 100 0
finish drumroll

# laser2: three "pew" shots falling in pitch, and a final long zap.
$S -n $F "$tmp/pew.wav" synth 0.22 square 2400-300 gain -8 lowpass 5000 fade q 0.002 0.22 0.1
$S -n $F "$tmp/zap.wav" synth 0.7 sawtooth 1800-120 sine amod 30 gain -8 fade q 0.002 0.7 0.4
place pews pew 0 0.3 0.6
$S "$tmp/pews.wav" "$tmp/zap.wav" "$tmp/laser2.wav" echo 0.8 0.6 60 0.3
finish laser2

# whizz: a firework rising with a whistle, then bursting.
$S -n $F "$tmp/rise.wav" synth 1.2 sine 400-2600 gain -8 fade t 0.05 1.2 0.05
$S -n $F "$tmp/hiss.wav" synth 1.2 pinknoise gain -8 highpass 3000 fade t 0.2 1.2 0.1
$S -m -v 1 "$tmp/rise.wav" -v 0.3 "$tmp/hiss.wav" "$tmp/up.wav"
$S -n $F "$tmp/pop.wav" synth 0.9 brownnoise gain -8 lowpass 1200 fade l 0.002 0.9 0.85
$S "$tmp/up.wav" "$tmp/pop.wav" "$tmp/whizz.wav" reverb 40 50 100 0
finish whizz

# clown: a squeezed bulb horn, honk honk ... hooonk.
$S -n $F "$tmp/h1.wav" synth 0.18 sawtooth 330 sawtooth mix 336 gain -8 bend 0.05,300,0.1 overdrive 15 bandpass 900 1q fade t 0.01 0.18 0.04
$S -n $F "$tmp/h2.wav" synth 0.7 sawtooth 280 sawtooth mix 285 gain -8 bend 0.1,-400,0.5 overdrive 15 bandpass 800 1q fade t 0.01 0.7 0.1
place honks h1 0 0.3
$S "$tmp/honks.wav" "$tmp/gap.wav" "$tmp/h2.wav" "$tmp/clown.wav"
finish clown
