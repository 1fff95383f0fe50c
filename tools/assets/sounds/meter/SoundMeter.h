// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Measures what a listener hears in a sound: how loud the speech is while it speaks, how
// its pitch moves, when it starts and whether it clicks where it meets silence. The sound
// generator uses it to set the speech level, and the asset checks use it on the committed
// files, so both measure alike. Plain C++, no dependencies.

#include <optional>
#include <string>
#include <vector>

namespace soundmeter {

// A mono sound, samples scaled to [-1, 1] (the first channel of a stereo file).
struct Sound {
    int sampleRate = 0;
    std::vector<double> samples;
};

// Reads an 8-bit unsigned or 16-bit signed PCM RIFF WAVE file; nothing when it is anything else.
std::optional<Sound> readWave(const std::string &path);

double toDb(double amplitude);

// One 10 ms step of the analysis: its RMS level and its pitch (0 where it is not voiced).
struct Frame {
    double rms = 0;
    double f0 = 0;
};

// Pitch by normalised autocorrelation over 10 ms steps (each looks 20 ms ahead plus the
// longest period): a frame is voiced when it is louder than -40 dBFS and repeats itself
// with a correlation of at least 0.6 at a period between 70 and 500 Hz, and its mean
// frequency stays below 2 kHz (a consonant's hiss lies above).
std::vector<Frame> analyse(const Sound &sound);

// The level while speaking: RMS over the voiced frames, in dBFS (-inf when none is voiced).
double voicedLevelDb(const std::vector<Frame> &frames);
// RMS over the frames louder than -45 dBFS (music, noise), in dBFS.
double activeLevelDb(const std::vector<Frame> &frames);
double peakDb(const Sound &sound);

// Seconds from the first sample to the first one louder than -40 dBFS (the sound is heard).
double onsetSeconds(const Sound &sound);

// The loudest edge between sound and silence, in dBFS, over every stretch of sound that
// follows or precedes at least 100 ms of digital silence (phrases, jingles; the file's ends
// count as silence): its first sample (the step up from silence) and the RMS of its last
// millisecond (the step down). A sound that starts or stops abruptly clicks there. Shorter
// silences are left out: a plosive after its closure starts abruptly in natural speech.
double worstEdgeDb(const Sound &sound);

// The loudest step into digital silence, in dBFS: the RMS of the last millisecond before every
// run of at least 10 ms of zero samples, inside phrases too (the closure before a consonant).
// A voice cut off there ticks; faded out, that millisecond is at the quietest level the file
// can hold. Shorter runs of zeros are the flat troughs of a quiet voice in 8 bits.
double worstStepIntoSilenceDb(const Sound &sound);

// The syllables of one utterance, each as [first frame, end frame): one for each voiced peak of
// loudness that stands at least 10 dB above the dips on both sides, before any louder one, with
// the border at the quietest frame between two peaks (so a consonant's closure goes with the
// syllable it opens), from the first to the last frame louder than -45 dBFS.
std::vector<std::pair<int, int>> syllables(const std::vector<Frame> &frames);

// A stretch of at least 50 ms of voiced frames (about one syllable between consonants),
// with its pitch track smoothed by a 3-frame median and its frame range.
struct VoicedRun {
    int firstFrame = 0;
    std::vector<double> f0;
    // The largest fall (a higher pitch followed later by a lower one) and the largest rise
    // within the run, in semitones; the run's first and last frames are left out.
    double fallSemitones() const;
    double riseSemitones() const;
};
std::vector<VoicedRun> voicedRuns(const std::vector<Frame> &frames);

// Splits a sound at stretches of at least minGap seconds of digital silence; each part is
// [first sample, end sample).
std::vector<std::pair<int, int>> audibleParts(const Sound &sound, double minGap);
Sound slice(const Sound &sound, int begin, int end);

// The level of each phrase, the speech between pauses (digital silence) of at least 150 ms, as
// voicedLevelDb measures it; -inf for a part with no voiced frame.
std::vector<double> phraseLevelsDb(const Sound &sound);

} // namespace soundmeter
