// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundMeter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <numbers>

namespace soundmeter {

namespace {

constexpr double VoicedFloorDb = -40, ActiveFloorDb = -45, HeardDb = -40;
constexpr double MinCorrelation = 0.6, LowestF0 = 70, HighestF0 = 500, BrightestVoice = 2000;
constexpr int MinRunFrames = 5;
constexpr double SyllableProminenceDb = 10, PhrasePause = 0.15;

uint32_t le(const std::vector<unsigned char> &bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes[at + i];
    return value;
}

double fromDb(double db)
{
    return std::pow(10.0, db / 20);
}

double meanSquareDb(double sum, int count)
{
    return count ? 10 * std::log10(std::max(sum / count, 1e-20))
                 : -std::numeric_limits<double>::infinity();
}

// Normalised autocorrelation of x[at..at+n) with x[at+lag..at+lag+n).
double correlation(const std::vector<double> &x, size_t at, size_t n, size_t lag)
{
    double xy = 0, xx = 0, yy = 0;
    for (size_t i = at; i < at + n; ++i) {
        xy += x[i] * x[i + lag];
        xx += x[i] * x[i];
        yy += x[i + lag] * x[i + lag];
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0;
}

double semitones(double from, double to)
{
    return 12 * std::log2(to / from);
}

// How far the frame at stands above the lowest dips that part it from louder frames on either
// side, the higher of the two; beyond the ends of the frames lies silence. Zero unless it is
// the first of its loudest frames.
double prominenceDb(const std::vector<double> &db, size_t at)
{
    const double silence = -std::numeric_limits<double>::infinity();
    double left = db[at], right = db[at];
    size_t i = at, j = at + 1;
    for (; i > 0 && db[i - 1] < db[at]; --i)
        left = std::min(left, db[i - 1]);
    for (; j < db.size() && db[j] <= db[at]; ++j)
        right = std::min(right, db[j]);
    return db[at] - std::max(i == 0 ? silence : left, j == db.size() ? silence : right);
}

} // namespace

std::optional<Sound> readWave(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
        return std::nullopt;
    int format = 0, channels = 0, bits = 0, rate = 0;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
        const size_t size = le(bytes, at + 4, 4), body = at + 8;
        if (body + size > bytes.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            format = le(bytes, body, 2), channels = le(bytes, body + 2, 2);
            rate = le(bytes, body + 4, 4), bits = le(bytes, body + 14, 2);
        } else if (id == "data") {
            if (format != 1 || channels < 1 || (bits != 8 && bits != 16))
                return std::nullopt;
            const size_t frameBytes = size_t(channels) * bits / 8;
            Sound sound{rate, {}};
            for (size_t f = body; f + frameBytes <= body + size; f += frameBytes)
                sound.samples.push_back(bits == 8 ? (int(bytes[f]) - 128) / 128.0
                                                  : int16_t(le(bytes, f, 2)) / 32768.0);
            return sound;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

double toDb(double amplitude)
{
    return 20 * std::log10(std::max(amplitude, 1e-10));
}

std::vector<Frame> analyse(const Sound &sound)
{
    const std::vector<double> &x = sound.samples;
    const size_t hop = sound.sampleRate / 100, span = sound.sampleRate / 50;
    const size_t minLag = sound.sampleRate / HighestF0, maxLag = sound.sampleRate / LowestF0;
    std::vector<Frame> frames;
    std::vector<double> r(maxLag + 2);
    for (size_t at = 0; at + hop <= x.size(); at += hop) {
        Frame frame;
        double sum = 0, slope = 0;
        for (size_t i = at; i < at + hop; ++i) {
            sum += x[i] * x[i];
            slope += i ? (x[i] - x[i - 1]) * (x[i] - x[i - 1]) : 0;
        }
        frame.rms = std::sqrt(sum / hop);
        // The frame's mean frequency, from how fast it changes: a hiss of a consonant lies
        // well above a vowel's, and its noise can repeat enough to pass for a pitch.
        const double brightness =
            sum > 0 ? sound.sampleRate / (2 * std::numbers::pi) * std::sqrt(slope / sum) : 0;
        if (at + span + maxLag + 1 <= x.size() && toDb(frame.rms) > VoicedFloorDb &&
            brightness < BrightestVoice) {
            for (size_t lag = minLag - 1; lag <= maxLag + 1; ++lag)
                r[lag] = correlation(x, at, span, lag);
            const double best = *std::max_element(r.begin() + minLag, r.begin() + maxLag + 1);
            // The shortest period that nearly matches the best one, so that a repetition
            // two periods apart is not taken for an octave lower. It must be a peak inside
            // the range: a slow drift correlates best at the shortest lag and is no pitch.
            for (size_t lag = minLag + 1; best >= MinCorrelation && lag < maxLag; ++lag) {
                if (r[lag] >= 0.85 * best && r[lag] >= r[lag - 1] && r[lag] >= r[lag + 1]) {
                    const double bend = r[lag - 1] - 2 * r[lag] + r[lag + 1];
                    const double shift = bend < 0 ? 0.5 * (r[lag - 1] - r[lag + 1]) / bend : 0;
                    frame.f0 = sound.sampleRate / (lag + shift);
                    break;
                }
            }
        }
        frames.push_back(frame);
    }
    return frames;
}

double voicedLevelDb(const std::vector<Frame> &frames)
{
    double sum = 0;
    int count = 0;
    for (const Frame &f : frames)
        if (f.f0 > 0)
            sum += f.rms * f.rms, ++count;
    return meanSquareDb(sum, count);
}

double activeLevelDb(const std::vector<Frame> &frames)
{
    double sum = 0;
    int count = 0;
    for (const Frame &f : frames)
        if (toDb(f.rms) > ActiveFloorDb)
            sum += f.rms * f.rms, ++count;
    return meanSquareDb(sum, count);
}

double peakDb(const Sound &sound)
{
    double peak = 0;
    for (double s : sound.samples)
        peak = std::max(peak, std::abs(s));
    return toDb(peak);
}

double onsetSeconds(const Sound &sound)
{
    const auto heard = std::find_if(sound.samples.begin(), sound.samples.end(),
                                    [](double s) { return std::abs(s) > fromDb(HeardDb); });
    return double(heard - sound.samples.begin()) / sound.sampleRate;
}

double worstEdgeDb(const Sound &sound)
{
    const std::vector<double> &x = sound.samples;
    const int ms = std::max(1, sound.sampleRate / 1000);
    double worst = 0;
    for (const auto &[begin, end] : audibleParts(sound, 0.1)) {
        double sum = 0;
        for (int i = std::max(begin, end - ms); i < end; ++i)
            sum += x[i] * x[i];
        worst = std::max({worst, std::abs(x[begin]), std::sqrt(sum / ms)});
    }
    return toDb(worst);
}

double worstStepIntoSilenceDb(const Sound &sound)
{
    const std::vector<double> &x = sound.samples;
    const int ms = std::max(1, sound.sampleRate / 1000), shortestSilence = 10 * ms;
    double worst = 0;
    int zeros = 0;
    for (int i = 0; i < int(x.size()); ++i) {
        zeros = x[i] == 0 ? zeros + 1 : 0;
        const int cut = i + 1 - zeros;
        if (zeros != shortestSilence || cut == 0)
            continue;
        double sum = 0;
        for (int k = std::max(0, cut - ms); k < cut; ++k)
            sum += x[k] * x[k];
        worst = std::max(worst, std::sqrt(sum / ms));
    }
    return toDb(worst);
}

std::vector<std::pair<int, int>> syllables(const std::vector<Frame> &frames)
{
    std::vector<double> db;
    for (const Frame &f : frames)
        db.push_back(toDb(f.rms));
    std::vector<size_t> peaks;
    for (size_t i = 0; i < db.size(); ++i)
        if (frames[i].f0 > 0 && prominenceDb(db, i) >= SyllableProminenceDb)
            peaks.push_back(i);
    const auto active = [&](double level) { return level > ActiveFloorDb; };
    const auto first = std::find_if(db.begin(), db.end(), active);
    const auto last = std::find_if(db.rbegin(), db.rend(), active);
    if (peaks.empty() || first == db.end())
        return {};
    std::vector<int> borders = {int(first - db.begin())};
    for (size_t k = 1; k < peaks.size(); ++k)
        borders.push_back(
            int(std::min_element(db.begin() + peaks[k - 1], db.begin() + peaks[k]) - db.begin()));
    borders.push_back(int(db.rend() - last));
    std::vector<std::pair<int, int>> spans;
    for (size_t k = 1; k < borders.size(); ++k)
        spans.push_back({borders[k - 1], borders[k]});
    return spans;
}

std::vector<std::pair<int, int>> audibleParts(const Sound &sound, double minGap)
{
    const std::vector<double> &x = sound.samples;
    const int gap = int(minGap * sound.sampleRate), n = int(x.size());
    std::vector<std::pair<int, int>> parts;
    int begin = -1, lastSound = -1;
    for (int i = 0; i < n; ++i) {
        if (x[i] == 0)
            continue;
        if (begin < 0 || i - lastSound > gap) {
            if (begin >= 0)
                parts.push_back({begin, lastSound + 1});
            begin = i;
        }
        lastSound = i;
    }
    if (begin >= 0)
        parts.push_back({begin, lastSound + 1});
    return parts;
}

Sound slice(const Sound &sound, int begin, int end)
{
    return {sound.sampleRate,
            std::vector<double>(sound.samples.begin() + begin, sound.samples.begin() + end)};
}

std::vector<double> phraseLevelsDb(const Sound &sound)
{
    std::vector<double> levels;
    for (const auto &[begin, end] : audibleParts(sound, PhrasePause))
        levels.push_back(voicedLevelDb(analyse(slice(sound, begin, end))));
    return levels;
}

std::vector<VoicedRun> voicedRuns(const std::vector<Frame> &frames)
{
    std::vector<VoicedRun> runs;
    for (size_t i = 0; i < frames.size();) {
        size_t end = i;
        while (end < frames.size() && frames[end].f0 > 0)
            ++end;
        if (end - i >= MinRunFrames) {
            VoicedRun run{int(i), {}};
            for (size_t k = i; k < end; ++k) {
                double a = frames[std::max(k, i + 1) - 1].f0, b = frames[k].f0,
                       c = frames[std::min(k + 1, end - 1)].f0;
                run.f0.push_back(std::max(std::min(a, b), std::min(std::max(a, b), c)));
            }
            runs.push_back(std::move(run));
        }
        i = std::max(end, i + 1);
    }
    return runs;
}

double VoicedRun::fallSemitones() const
{
    double fall = 0, highest = 0;
    for (size_t i = 1; i + 1 < f0.size(); ++i) {
        highest = std::max(highest, f0[i]);
        fall = std::max(fall, semitones(f0[i], highest));
    }
    return fall;
}

double VoicedRun::riseSemitones() const
{
    double rise = 0, lowest = std::numeric_limits<double>::infinity();
    for (size_t i = 1; i + 1 < f0.size(); ++i) {
        lowest = std::min(lowest, f0[i]);
        rise = std::max(rise, semitones(lowest, f0[i]));
    }
    return rise;
}

} // namespace soundmeter
