// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// sound-meter: prints what SoundMeter measures in WAVE files.
//
//   sound-meter level FILE          "VOICED ACTIVE PEAK" in dBFS (used by generate.sh)
//   sound-meter report FILE...      one line per file: levels, onset, worst edge and step into
//                                   silence, the spread of its phrases' levels, pitch range
//   sound-meter pitch FILE...       the voiced runs of each file with their pitch movement
//   sound-meter syllables FILE...   the syllables of each file with their lengths and levels

#include "SoundMeter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using namespace soundmeter;

namespace {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[size_t(p * (values.size() - 1))];
}

// The difference between the loudest and the quietest phrase that has a voiced frame.
double phraseSpreadDb(const Sound &sound)
{
    std::vector<double> levels;
    for (double level : phraseLevelsDb(sound))
        if (std::isfinite(level))
            levels.push_back(level);
    const auto [low, high] = std::minmax_element(levels.begin(), levels.end());
    return levels.empty() ? 0 : *high - *low;
}

void report(const std::string &path, const Sound &sound)
{
    const std::vector<Frame> frames = analyse(sound);
    std::vector<double> f0;
    for (const Frame &f : frames)
        if (f.f0 > 0)
            f0.push_back(f.f0);
    std::printf("%-28s %6.2f s  voiced %6.1f  active %6.1f  peak %5.1f dBFS  onset %5.1f ms  "
                "edge %6.1f  step %6.1f dBFS  phrases within %4.1f dB  f0 %3.0f-%3.0f Hz "
                "(10-90 %%)\n",
                path.c_str(), double(sound.samples.size()) / sound.sampleRate,
                voicedLevelDb(frames), activeLevelDb(frames), peakDb(sound),
                1000 * onsetSeconds(sound), worstEdgeDb(sound), worstStepIntoSilenceDb(sound),
                phraseSpreadDb(sound), percentile(f0, 0.1), percentile(f0, 0.9));
}

void listSyllables(const std::string &path, const Sound &sound)
{
    const std::vector<Frame> frames = analyse(sound);
    std::printf("%s\n", path.c_str());
    for (const auto &[begin, end] : syllables(frames)) {
        const std::vector<Frame> part(frames.begin() + begin, frames.begin() + end);
        std::printf("  %5.2f s  %4d ms  voiced %6.1f dBFS\n", begin / 100.0, 10 * (end - begin),
                    voicedLevelDb(part));
    }
}

void pitch(const std::string &path, const Sound &sound)
{
    std::printf("%s\n", path.c_str());
    for (const VoicedRun &run : voicedRuns(analyse(sound))) {
        std::printf("  %5.2f s  %3zu frames  %3.0f -> %3.0f Hz  fall %4.1f  rise %4.1f st  [",
                    run.firstFrame / 100.0, run.f0.size(), run.f0.front(), run.f0.back(),
                    run.fallSemitones(), run.riseSemitones());
        for (double f : run.f0)
            std::printf(" %.0f", f);
        std::printf(" ]\n");
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 2 ? argv[1] : "";
    if (command != "level" && command != "report" && command != "pitch" && command != "syllables") {
        std::fprintf(stderr, "usage: sound-meter level|report|pitch|syllables FILE...\n");
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const auto sound = readWave(argv[i]);
        if (!sound) {
            std::fprintf(stderr, "sound-meter: %s is not a PCM WAVE file\n", argv[i]);
            return 1;
        }
        if (command == "level") {
            const std::vector<Frame> frames = analyse(*sound);
            std::printf("%.3f %.3f %.3f\n", voicedLevelDb(frames), activeLevelDb(frames),
                        peakDb(*sound));
        } else {
            (command == "report"  ? report
             : command == "pitch" ? pitch
                                  : listSyllables)(argv[i], *sound);
        }
    }
    return 0;
}
