// sound-meter: prints what SoundMeter measures in WAVE files.
//
//   sound-meter level FILE          "VOICED ACTIVE PEAK" in dBFS (used by generate.sh)
//   sound-meter report FILE...      one line per file: levels, onset, worst edge, pitch range
//   sound-meter pitch FILE...       the voiced runs of each file with their pitch movement

#include "SoundMeter.h"

#include <algorithm>
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

void report(const std::string &path, const Sound &sound)
{
    const std::vector<Frame> frames = analyse(sound);
    std::vector<double> f0;
    for (const Frame &f : frames)
        if (f.f0 > 0)
            f0.push_back(f.f0);
    std::printf("%-28s %6.2f s  voiced %6.1f  active %6.1f  peak %5.1f dBFS  onset %5.1f ms  "
                "edge %6.1f dBFS  f0 %3.0f-%3.0f Hz (10-90 %%)\n",
                path.c_str(), double(sound.samples.size()) / sound.sampleRate,
                voicedLevelDb(frames), activeLevelDb(frames), peakDb(sound),
                1000 * onsetSeconds(sound), worstEdgeDb(sound), percentile(f0, 0.1),
                percentile(f0, 0.9));
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
    if (command != "level" && command != "report" && command != "pitch") {
        std::fprintf(stderr, "usage: sound-meter level|report|pitch FILE...\n");
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
            (command == "report" ? report : pitch)(argv[i], *sound);
        }
    }
    return 0;
}
