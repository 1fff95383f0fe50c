#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates every sound of the game from the text manifests beside this script:
#
#   resources/sounds/NNN.wav   the numbered sounds built into the program
#   resources/wav/step.wav     the board-click sound that lives beside the program
#
# Speech (words.txt, speech.txt) is spoken by espeak-ng reading pinyin with tone numbers in
# the game's own teaching voice (teacher-voice beside this script); effects and jingles are
# synthesised with sox. Every phrase of speech and every jingle is set to one loudness,
# measured by sound-meter (meter/, compiled here) as the RMS of the voiced 10 ms frames; the
# meter also decides how fast the neutral syllables are spoken and which opening glides are
# softened (see README.md). Every run gives
# byte-identical files: sox runs with -R (fixed seeds for the noise and pluck generators) and
# -D (no dither when reducing to 8 bits), and nothing depends on the time.
#
# Needs the Debian packages espeak-ng (with espeak-ng-data), sox, libsox-fmt-all and g++, and
# python3 (standard library only). The normal build never runs this; its output is committed.
#
# Usage:
#   tools/assets/sounds/generate.sh              write all the files
#   tools/assets/sounds/generate.sh --phonemes   print the phonemes of every spoken text
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../../.." && pwd)"
sounds="$root/resources/sounds"
wavdir="$root/resources/wav"

mode=build
case "${1:-}" in
  "") ;;
  --phonemes) mode=phonemes ;;
  *) echo "usage: $0 [--phonemes]" >&2; exit 2 ;;
esac

for tool in espeak-ng sox python3 g++; do
  command -v "$tool" >/dev/null || { echo "generate.sh: $tool is not installed" >&2; exit 1; }
done
espeak-ng --voices=cmn | grep -q 'cmn-latn-pinyin' ||
  { echo "generate.sh: espeak-ng has no Mandarin pinyin data" >&2; exit 1; }

export LC_ALL=C.UTF-8
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/clips" "$sounds" "$wavdir"
g++ -std=c++20 -O2 -o "$work/sound-meter" "$here/meter/main.cpp" "$here/meter/SoundMeter.cpp"

# sox with fixed random seeds, no dither, and only errors reported.
sx() { sox -R -D -V1 "$@"; }

# One plucked note as a 22050 Hz mono clip: note OUT NOTE START LENGTH
# The string is plucked START seconds into the clip, rises over 2.5 ms (a pluck that starts
# at full level clicks) and fades out over its LENGTH.
note() {
  sx -n -r 22050 -c 1 -b 16 "$1" synth "$4" pluck "$2" fade h 0.0025 "$4" "$4" pad "$3"
}

# One soft sine note (for the comforting jingle): soft_note OUT FREQ START LENGTH
soft_note() {
  sx -n -r 22050 -c 1 -b 16 "$1" synth "$4" sine "$2" synth "$4" sine mix "$(($2 * 2))" \
    fade h 0.03 "$4" "$(python3 -c "print($4 - 0.03)")" pad "$3"
}

# Mixes two or more clips into one (its loudness is set with the speech's): mix_clips OUT IN...
mix_clips() {
  local out="$1"; shift
  sx -m "$@" "$out" gain -n -1
}

# A soft padded tap: a short falling "pok" under a puff of filtered noise, both dying away
# within about 60 ms (the logarithmic fade decays like a struck object).
# tap OUT RATE CHANNELS LENGTH
tap() {
  local out="$1" rate="$2" channels="$3" length="$4"
  sx -n -r "$rate" -c 1 -b 16 "$work/tap_body.wav" synth 0.2 sine 260-110 fade l 0.004 0.2 0.196
  sx -n -r "$rate" -c 1 -b 16 "$work/tap_puff.wav" synth 0.08 brownnoise \
    lowpass 2000 highpass 150 fade l 0.002 0.08 0.078
  sx -m -v 1 "$work/tap_body.wav" -v 0.6 "$work/tap_puff.wav" "$work/tap_mix.wav"
  sx "$work/tap_mix.wav" -r "$rate" -c "$channels" -b 16 -e signed-integer "$out" \
    gain -n -6 pad 0.005 "$length" trim 0 "$length"
}

make_effects() {
  # 101: the spinner whirl - a rising triangle tone with a fluttering wobble that speeds up,
  # and a little breathy noise under it.
  sx -n -r 22050 -c 1 -b 16 "$work/whirl_tone.wav" \
    synth 0.49 triangle 280-1000 synth 0.49 sine amod 18-42
  sx -n -r 22050 -c 1 -b 16 "$work/whirl_air.wav" \
    synth 0.49 pinknoise sinc 800-3000 synth 0.49 sine amod 18-42
  sx -m -v 1 "$work/whirl_tone.wav" -v 0.25 "$work/whirl_air.wav" \
    -r 22050 -c 1 -b 8 -e unsigned-integer "$sounds/101.wav" fade q 0.04 0.49 0.16 gain -n -7

  # 102: one kitten step (44100 Hz stereo) and the board-click step beside the program.
  tap "$sounds/102.wav" 44100 2 0.25
  tap "$wavdir/step.wav" 22050 1 0.25

  # 900: 0.05 s of silence as 22050 Hz stereo IMA ADPCM; it only cuts off the sound that
  # is playing. 1010 samples are exactly two 512-byte blocks, so nothing is padded.
  sx -r 22050 -c 2 -n -e ima-adpcm "$sounds/900.wav" trim 0 1010s

  # Jingles placed in front of the test-result speech (speech.txt: play NAME).
  note "$work/r1.wav" G5 0 0.18
  note "$work/r2.wav" C6 0.08 0.18
  mix_clips "$work/clips/right.wav" "$work/r1.wav" "$work/r2.wav"

  note "$work/p1.wav" C5 0 0.3
  note "$work/p2.wav" E5 0.11 0.3
  note "$work/p3.wav" G5 0.22 0.3
  note "$work/p4.wav" C6 0.33 0.5
  mix_clips "$work/clips/passed.wav" "$work/p1.wav" "$work/p2.wav" "$work/p3.wav" "$work/p4.wav"

  soft_note "$work/f1.wav" 659 0 0.26
  soft_note "$work/f2.wav" 523 0.2 0.34
  mix_clips "$work/clips/failed.wav" "$work/f1.wav" "$work/f2.wav"
}

if [[ $mode == build ]]; then
  make_effects
fi

# Speech: parse the manifests, speak every phrase, lay the phrases out on the exact length,
# and convert to the final format.
python3 - "$mode" "$here" "$work" "$sounds" <<'PYTHON'
import array
import math
import os
import re
import subprocess
import sys
import wave

mode, here, work, sounds = sys.argv[1:5]
VOICE = "teacher-voice"  # the voice file beside this script (loaded from here by name)
RATE = 22050          # espeak-ng's output rate; everything is assembled at this rate
LEVEL_DB = -18.0      # every phrase and jingle: RMS over its voiced (jingle: audible) frames
PEAK_DB = -1.0        # and no sample above this
FADE_IN = int(0.003 * RATE)    # each phrase rises over 3 ms from silence
SILENT = 128          # a 16-bit sample below this is silence in the finished 8-bit file
SILENCE_RUN = int(0.010 * RATE)  # silence this long, or the end of a phrase: the voice stopped
FADE_OUT = int(0.030 * RATE)     # and fades out over this much before it, so nothing ticks,
FADE_DEPTH_DB = 45.0             # by this much, at an even rate in decibels
NEUTRAL_SHARE = 0.55  # a neutral syllable lasts at most this share of the full one before it
NEUTRAL_VOLUME = "70%"  # and is spoken lighter
NEUTRAL_RATES = range(100, 260, 10)  # its speaking rate, percent of the phrase's, tried in turn
NEUTRAL_RATE = 180    # the rate when the meter cannot tell the phrase's syllables apart
SCOOP_RISE = 4.0      # semitones an opening glide rises into a falling tone before it is softened
SCOOP_LONGEST = 0.15  # seconds; a longer rise is a rising tone, not a consonant's glide
SCOOP_START_DB = -10.0  # the softened glide starts this much below its tone and swells to it
SCOOP_EASE = int(0.010 * RATE)  # and the sound eases down to that over this much before it
METER = os.path.join(work, "sound-meter")
MIN_PAUSE = 0.12      # a pause unit shorter than this means the text is too long
MAX_PAUSE = 1.6       # a pause unit longer than this means the text is too short
SYLLABLE = re.compile(r"^[a-zü]+[1-5]$")
# Every spoken sound number the game plays; the manifests must give exactly these.
SPOKEN = set(range(103, 108)) | set(range(111, 115)) | set(range(121, 125)) | \
    set(range(201, 233)) | set(range(301, 306))


class ManifestError(Exception):
    pass


def hanzi_count(text):
    return sum(1 for ch in text if "\u4e00" <= ch <= "\u9fff")


def parse_say(value, where):
    if "|" not in value:
        raise ManifestError(f"{where}: say needs 'pinyin | 汉字'")
    pinyin, hanzi = (part.strip() for part in value.split("|", 1))
    parts = [p.split() for p in pinyin.split("/")]
    syllables = [s for p in parts for s in p]
    for s in syllables:
        if not SYLLABLE.match(s):
            raise ManifestError(f"{where}: '{s}' is not a pinyin syllable with a tone number")
    if any(not p for p in parts):
        raise ManifestError(f"{where}: empty part around '/'")
    if len(syllables) != hanzi_count(hanzi):
        raise ManifestError(f"{where}: {len(syllables)} syllables for {hanzi_count(hanzi)} characters")
    return ("say", [" ".join(p) for p in parts], hanzi)


def new_section(number, title):
    return {"id": number, "title": title, "samplerate": 22050, "length": None, "speed": None,
            "tail": 0.3, "breath": 0.2, "items": []}


def parse_speech(path):
    sections = []
    with open(path, encoding="utf-8") as f:
        for lineno, raw in enumerate(f, 1):
            line = raw.split("#", 1)[0].strip()
            where = f"{os.path.basename(path)}:{lineno}"
            if not line:
                continue
            m = re.match(r"^\[(\d{3})\]\s*(.*)$", line)
            if m:
                sections.append(new_section(int(m.group(1)), m.group(2)))
                continue
            if not sections:
                raise ManifestError(f"{where}: text before the first section")
            sec = sections[-1]
            key, _, value = line.partition(" ")
            value = value.strip()
            if key == "say":
                sec["items"].append(parse_say(value, where))
            elif key == "pause":
                sec["items"].append(("pause", float(value)))
            elif key == "play":
                sec["items"].append(("play", value))
            elif key in ("samplerate", "speed"):
                sec[key] = int(value)
            elif key in ("length", "tail", "breath"):
                sec[key] = float(value)
            else:
                raise ManifestError(f"{where}: unknown key '{key}'")
    return sections


def parse_words(path):
    settings = {}
    sections = []
    with open(path, encoding="utf-8") as f:
        for lineno, raw in enumerate(f, 1):
            line = raw.split("#", 1)[0].strip()
            where = f"{os.path.basename(path)}:{lineno}"
            if not line:
                continue
            key, _, value = line.partition(" ")
            value = value.strip()
            if key.isdigit():
                sec = new_section(int(key), "word")
                sec.update(speed=int(settings["speed"]), length=float(settings["length"]),
                           tail=0.0)
                sec["items"].append(parse_say(value, where))
                sections.append(sec)
            elif key in ("speed", "length"):
                settings[key] = value
            else:
                raise ManifestError(f"{where}: unknown key '{key}'")
    return sections


def speak(text, speed, out, neutral_rate=100):
    """Speaks pinyin into out, its neutral syllables (tone 5) lighter and at neutral_rate
    percent of the speed (SSML prosody, which eSpeak NG applies to one syllable)."""
    marked = " ".join(
        f'<prosody rate="{neutral_rate}%" volume="{NEUTRAL_VOLUME}">{s}</prosody>'
        if s.endswith("5") else s for s in text.split())
    # espeak-ng takes a voice file by a short name, so it runs in the voice file's folder.
    subprocess.run(["espeak-ng", "--load", "-v", VOICE, "-m", "-s", str(speed), "-w", out,
                    marked], check=True, cwd=here)


def meter(command, samples):
    """The lines sound-meter prints for samples (see meter/main.cpp)."""
    tmp = os.path.join(work, "measure.wav")
    write_mono16(tmp, samples)
    return subprocess.run([METER, command, tmp], check=True, capture_output=True,
                          text=True).stdout.splitlines()


def neutral_shares(text, samples):
    """How long each neutral syllable of text lasts beside the last full syllable before it, as
    the meter splits samples into syllables once the finished file has turned their quietest
    stretches into silence; None when it finds another number of syllables."""
    tones = [s[-1] for s in text.split()]
    heard = array.array("h", (s if abs(s) >= SILENT else 0 for s in samples))
    lengths = [int(line.split()[2]) for line in meter("syllables", heard)[1:]]
    if len(lengths) != len(tones):
        return None
    shares, full = [], None
    for tone, length in zip(tones, lengths):
        if tone != "5":
            full = length
        elif full:
            shares.append(length / full)
    return shares


def speak_part(text, speed, tmp, what):
    """Speaks one part of a say line and finishes it (finish_part). A neutral syllable is short
    and light: its rate is the slowest of NEUTRAL_RATES at which every neutral syllable lasts at
    most NEUTRAL_SHARE of the full syllable before it, as the finished part is heard (eSpeak NG
    draws out the last syllable of an utterance, neutral or not), or NEUTRAL_RATE when the meter
    cannot tell the syllables apart. Returns the part and a note of what was done."""
    if not any(s.endswith("5") for s in text.split()):
        return finish_part(text, speed, tmp, what, 100)
    for rate in NEUTRAL_RATES:
        part, note = finish_part(text, speed, tmp, what, rate)
        shares = neutral_shares(text, part)
        if shares is not None and max(shares, default=0) <= NEUTRAL_SHARE:
            return part, note + [f"neutral at {rate} %, {max(shares, default=0):.2f} as long"]
    part, note = finish_part(text, speed, tmp, what, NEUTRAL_RATE)
    return part, note + [f"neutral at {NEUTRAL_RATE} %, syllables not told apart"]


def finish_part(text, speed, tmp, what, neutral_rate):
    """Speaks a part, cuts it from its silence, softens its opening glide, sets it to the speech
    level and fades it out before every silence. Returns it and a note of the glide."""
    speak(text, speed, tmp, neutral_rate)
    part, glide = soften_scoop(trim(read_mono16(tmp)))
    note = [f"opening glide softened over {glide * 1000 / RATE:.0f} ms"] if glide else []
    return fade_into_silences(set_level(part, what, lambda m: m[0])), note


def read_mono16(path):
    with wave.open(path, "rb") as w:
        if (w.getnchannels(), w.getsampwidth(), w.getframerate()) != (1, 2, RATE):
            raise ManifestError(f"{path}: expected {RATE} Hz mono 16-bit")
        samples = array.array("h", w.readframes(w.getnframes()))
    if sys.byteorder == "big":
        samples.byteswap()
    return samples


def write_mono16(path, samples):
    data = array.array("h", samples)
    if sys.byteorder == "big":
        data.byteswap()
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())


def trim(samples, threshold=120, before=int(0.003 * RATE)):
    """Cuts the silence espeak-ng puts around an utterance and fades it in. It starts a short
    margin before it is first heard, 24 dB below its peak (a faint murmur before a consonant
    would only delay it), and it ends with its last sound, which espeak-ng often stops
    abruptly (fade_into_silences fades it out)."""
    heard = max(abs(s) for s in samples) * 10 ** (-24 / 20)
    first = next(i for i, s in enumerate(samples) if abs(s) > heard)
    last = len(samples) - 1 - next(i for i, s in enumerate(reversed(samples)) if abs(s) > threshold)
    part = samples[max(0, first - before):last + 1]
    for i in range(min(FADE_IN, len(part))):
        part[i] = int(round(part[i] * raised_cosine(i / FADE_IN)))
    return part


def raised_cosine(x):
    return 0.5 - 0.5 * math.cos(math.pi * x)


def fade_into_silences(samples):
    """espeak-ng stops the voice dead at the end of an utterance and where a consonant's
    closure begins, and the finished file turns the quiet there into exact silence: that
    ticks. The voice fades out over FADE_OUT before the end and before every silence of
    SILENCE_RUN or more, dying away at an even rate in decibels as a struck string does: in
    the last millisecond before it turns silent in 8 bits, the voice is then at most a few
    decibels above the file's quietest step, however loud it was (a fade that ends in a
    gentle curve, such as a raised cosine, drops by far more in that millisecond)."""
    n, i = len(samples), 0
    while i <= n:
        if i < n and abs(samples[i]) >= SILENT:
            i += 1
            continue
        end = i
        while end < n and abs(samples[end]) < SILENT:
            end += 1
        if i and (end - i >= SILENCE_RUN or end == n):
            for k in range(1, min(FADE_OUT, i) + 1):
                gain = 10 ** (-FADE_DEPTH_DB * (1 - k / FADE_OUT) / 20)
                samples[i - k] = int(round(samples[i - k] * gain))
        i = end + 1
    return samples


def soften_scoop(samples):
    """An opening voiced consonant or glide (l, w, m, ...) into a falling tone makes espeak-ng
    glide up into the tone from far below, a scoop that blurs a 3rd tone. When the first voiced
    stretch rises SCOOP_RISE semitones or more to its first peak within SCOOP_LONGEST and then
    falls, that glide is softened: the sound eases down to SCOOP_START_DB over SCOOP_EASE
    before it (a fricative may lead into it) and swells back to full level at the peak, so
    that it is heard as the consonant's murmur rather than as a rise. Returns the samples and
    the glide's length in samples (0 when there is none)."""
    runs = meter("pitch", samples)[1:]
    if not runs:
        return samples, 0
    start = int(float(runs[0].split()[0]) * RATE)
    f0 = [float(v) for v in runs[0].split("[")[1].split("]")[0].split()]
    peak = next((i for i in range(1, len(f0)) if f0[i] < f0[i - 1]), len(f0)) - 1
    glide = peak * RATE // 100
    rises = 12 * math.log2(f0[peak] / f0[0]) >= SCOOP_RISE
    falls = 12 * math.log2(f0[peak] / min(f0[peak:])) >= 2
    if not rises or not falls or glide > SCOOP_LONGEST * RATE:
        return samples, 0
    for i in range(max(0, start - SCOOP_EASE), start + glide):
        eased = (start - i) / SCOOP_EASE if i < start else (i - start) / glide
        samples[i] = int(round(samples[i] * 10 ** (SCOOP_START_DB * (1 - eased) / 20)))
    return samples, glide


def measure(samples):
    """The voiced and the audible level and the peak of samples, in dBFS (see meter/)."""
    return [float(v) for v in meter("level", samples)[0].split()]


def set_level(clip, what, level_of):
    """Scales clip (an array of samples) so that level_of(measure(clip)) is LEVEL_DB, and
    checks the peak."""
    gain = 10 ** ((LEVEL_DB - level_of(measure(clip))) / 20)
    peak = max(abs(s) for s in clip) * gain / 32767
    if 20 * math.log10(peak) > PEAK_DB:
        raise ManifestError(f"{what}: at {LEVEL_DB} dBFS its peaks reach "
                            f"{20 * math.log10(peak):.1f} dBFS")
    return array.array("h", (int(round(s * gain)) for s in clip))


def silence(seconds):
    return array.array("h", bytes(2 * int(round(seconds * RATE))))


def build(sec):
    sid = sec["id"]
    if sec["length"] is None or sec["speed"] is None:
        raise ManifestError(f"sound {sid}: length and speed are required")
    # Speak every part and bring each to the speech level on its own, so that the phrases of a
    # line sound equally loud.
    spoken, notes = [], []
    for kind, *rest in sec["items"]:
        if kind == "say":
            parts = []
            for n, text in enumerate(rest[0]):
                tmp = os.path.join(work, f"say_{sid}_{len(spoken)}_{n}.wav")
                part, note = speak_part(text, sec["speed"], tmp, f"sound {sid}, '{text}'")
                parts.append(part)
                notes += [f"'{text}': {', '.join(note)}"] if note else []
            spoken.append(parts)

    total = int(round(sec["length"] * RATE))
    fixed = len(silence(sec["tail"]))
    clips = {}
    for kind, *rest in sec["items"]:
        if kind == "play":
            clip = read_mono16(os.path.join(work, "clips", rest[0] + ".wav"))
            clips[rest[0]] = set_level(clip, f"jingle {rest[0]}", lambda m: m[1])
            fixed += len(clips[rest[0]])
    speech = sum(len(p) for parts in spoken for p in parts)
    breaths = sum(len(parts) - 1 for parts in spoken) * len(silence(sec["breath"]))
    fixed += speech + breaths
    left = total - fixed
    if left < 0:
        raise ManifestError(f"sound {sid}: {fixed / RATE:.2f} s of sound does not fit in "
                            f"{sec['length']} s; raise the speed or shorten the text")
    weights = [rest[0] for kind, *rest in sec["items"] if kind == "pause"]
    unit = left / sum(weights) if weights else 0.0
    if weights and unit < MIN_PAUSE * RATE:
        raise ManifestError(f"sound {sid}: pauses of {unit / RATE:.2f} s per unit are too "
                            f"short; raise the speed or shorten the text")
    if weights and unit > MAX_PAUSE * RATE:
        raise ManifestError(f"sound {sid}: pauses of {unit / RATE:.2f} s per unit are too "
                            f"long; lower the speed or lengthen the text")

    # The sound starts at once; the silence left over goes to the pauses, or to the end.
    out = array.array("h")
    said = iter(spoken)
    used = 0
    starts = []
    for kind, *rest in sec["items"]:
        if kind == "say":
            starts.append(len(out) / RATE)
            for n, part in enumerate(next(said)):
                if n:
                    out += silence(sec["breath"])
                out += part
        elif kind == "play":
            out += clips[rest[0]]
        elif kind == "pause":
            used += rest[0]
            # Round cumulatively so that the pauses add up exactly to the time left over.
            end = int(round(used * unit))
            start = int(round((used - rest[0]) * unit))
            out += array.array("h", bytes(2 * (end - start)))
    out += silence(sec["tail"])
    out += array.array("h", bytes(2 * (total - len(out))))
    assert len(out) == total, (sid, len(out), total)

    tmp = os.path.join(work, f"sound_{sid}.wav")
    write_mono16(tmp, out)
    subprocess.run(["sox", "-R", "-D", "-V1", tmp, "-r", str(sec["samplerate"]), "-c", "1",
                    "-b", "8", "-e", "unsigned-integer", os.path.join(sounds, f"{sid}.wav")],
                   check=True)
    pause_text = f"pause unit {unit / RATE:.2f} s" if weights else \
        f"tail {(len(silence(sec['tail'])) + left) / RATE:.2f} s"
    said_at = " ".join(f"{t:.2f}" for t in starts)
    print(f"{sid}: {sec['length']:5.2f} s, speech {speech / RATE:5.2f} s, {pause_text}, "
          f"says at {said_at} s")
    for note in notes:
        print(f"     {note}")


def phonemes(sec):
    for kind, *rest in sec["items"]:
        if kind != "say":
            continue
        for text in rest[0]:
            result = subprocess.run(["espeak-ng", "--load", "-v", VOICE, "-q", "-x", text],
                                    check=True, capture_output=True, text=True, cwd=here).stdout
            print(f"{sec['id']}  {rest[1]:<16} {text:<36} {' '.join(result.split())}")


try:
    sections = parse_words(os.path.join(here, "words.txt")) + \
        parse_speech(os.path.join(here, "speech.txt"))
    ids = [s["id"] for s in sections]
    if len(ids) != len(set(ids)):
        raise ManifestError("a sound number appears twice")
    if set(ids) != SPOKEN:
        raise ManifestError(f"missing sounds {sorted(SPOKEN - set(ids))}, "
                            f"unexpected sounds {sorted(set(ids) - SPOKEN)}")
    for sec in sections:
        (phonemes if mode == "phonemes" else build)(sec)
except ManifestError as e:
    sys.exit(f"generate.sh: {e}")
PYTHON
