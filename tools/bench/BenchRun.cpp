// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// hk-bench-run: one measured run of the game under an X server (Xvfb), from outside the program.
//
//   hk-bench-run PROGRAM [--idle-seconds N]
//
// It starts PROGRAM with its sound going to SDL's disk driver, writing into a pipe this program
// reads at the device's pace, and prints one "name value" line a measurement:
//   window_s, board_s      exec to the window mapped, and to the board's scene on screen
//   rss_mb, pss_mb         memory once the start-up has settled
//   idle_cpu_pct, idle_wakeups_per_s
//                          over the idle time after the narration, all threads
//   click_to_sound_ms      a click on the spinner to the first sound samples leaving the device
//   walk_cpu_pct, poem_cpu_pct
//                          during the walk that click starts, and during the poem it lands on
//   hover_cpu_us           main-thread CPU per pointer move over the help button
// The program's own repaint timings, when it is a benchmark build, are left in the file named
// by HK_BENCH_LOG for scripts/bench.sh.

#include "DevicePipe.h"
#include "XDriver.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The game's window layout: the spinner and the help button, in window pixels.
constexpr int SpinnerX = 572, SpinnerY = 68;
constexpr int HelpX = 568, HelpY = 392;
// The middle of the board's scene, which shows once the board is painted.
constexpr int SceneX = 260, SceneY = 260;

// CPU time and context switches of every thread of a process, as /proc tells them.
struct Usage {
    double cpuSeconds = 0;
    long switches = 0;
    double mainThreadCpuSeconds = 0;
};

Usage usageOf(pid_t pid)
{
    Usage usage;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::vector<std::string> values{std::istream_iterator<std::string>(fields), {}};
    if (values.size() > 13)
        usage.cpuSeconds = (std::stod(values[11]) + std::stod(values[12])) / sysconf(_SC_CLK_TCK);
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR *dir = opendir(tasks.c_str())) {
        while (dirent *entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream status(tasks + "/" + entry->d_name + "/status");
            for (std::string line; std::getline(status, line);) {
                if (line.find("ctxt_switches:") != std::string::npos)
                    usage.switches += std::stol(line.substr(line.find(':') + 1));
            }
            if (std::to_string(pid) == entry->d_name) {
                std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
                double ns = 0;
                schedstat >> ns;
                usage.mainThreadCpuSeconds = ns / 1e9;
            }
        }
        closedir(dir);
    }
    return usage;
}

double memoryMb(pid_t pid, const char *field)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(line.find(':') + 1)) / 1024.0;
    }
    return -1;
}

// A seed whose first spin shows 5, so the kitten walks from square 1 onto the first poem. The
// game draws with std::mt19937 seeded once, single-precision canonical floats.
unsigned seedForFirstSpinOfFive()
{
    for (unsigned seed = 1;; ++seed) {
        std::mt19937 generator(seed);
        const float r = std::generate_canonical<float, 24>(generator);
        if (r < 1.0f && static_cast<int>(r * 6) + 1 == 5)
            return seed;
    }
}

void sleepFor(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: hk-bench-run PROGRAM [--idle-seconds N]\n");
        return 2;
    }
    const std::string program = argv[1];
    const double idleSeconds =
        argc > 3 && std::strcmp(argv[2], "--idle-seconds") == 0 ? std::atof(argv[3]) : 30;
    const std::string pipePath = "/tmp/hk-bench-sound-" + std::to_string(getpid());
    DevicePipe device(pipePath);
    XDriver screen;
    const std::string seed = std::to_string(seedForFirstSpinOfFive());

    const auto started = Clock::now();
    const pid_t pid = fork();
    // The game keeps its learning record in a folder of the run's own, never the user's; the
    // variable, unlike an option, is understood by a baseline from before the record too.
    const std::string dataHome = "/tmp/hk-bench-data-" + std::to_string(getpid());
    if (pid == 0) {
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", pipePath.c_str(), 1);
        execl(program.c_str(), program.c_str(), "--seed", seed.c_str(), nullptr);
        _exit(127);
    }
    const XWindow window = screen.waitForMappedWindow(10);
    std::printf("window_s %.4f\n", secondsSince(started));
    while (screen.pixel(window, SceneX, SceneY) == 0 && secondsSince(started) < 10)
        std::this_thread::sleep_for(200us);
    std::printf("board_s %.4f\n", secondsSince(started));

    sleepFor(3);
    std::printf("rss_mb %.1f\npss_mb %.1f\n", memoryMb(pid, "Rss:"), memoryMb(pid, "Pss:"));

    // The level's narration is at most about fifteen seconds long.
    sleepFor(std::max(0.0, 18 - secondsSince(started)));
    const Usage beforeIdle = usageOf(pid);
    sleepFor(idleSeconds);
    const Usage afterIdle = usageOf(pid);
    std::printf("idle_cpu_pct %.3f\nidle_wakeups_per_s %.2f\n",
                100 * (afterIdle.cpuSeconds - beforeIdle.cpuSeconds) / idleSeconds,
                (afterIdle.switches - beforeIdle.switches) / idleSeconds);

    // One spin: the whirl's sound, the second's pause, five squares, the poem square.
    device.mark();
    const auto clicked = Clock::now();
    screen.click(window, SpinnerX, SpinnerY);
    while (device.soundAfterMark() < 0 && secondsSince(clicked) < 2)
        std::this_thread::sleep_for(1ms);
    std::printf("click_to_sound_ms %.1f\n", 1000 * device.soundAfterMark());
    sleepFor(1.5 - secondsSince(clicked));
    const Usage beforeWalk = usageOf(pid);
    sleepFor(3.5 - secondsSince(clicked));
    const Usage afterWalk = usageOf(pid);
    std::printf("walk_cpu_pct %.2f\n", 100 * (afterWalk.cpuSeconds - beforeWalk.cpuSeconds) / 2);
    sleepFor(8 - secondsSince(clicked));
    const Usage beforePoem = usageOf(pid);
    sleepFor(16 - secondsSince(clicked));
    const Usage afterPoem = usageOf(pid);
    std::printf("poem_cpu_pct %.2f\n", 100 * (afterPoem.cpuSeconds - beforePoem.cpuSeconds) / 8);

    sleepFor(21 - secondsSince(clicked));
    constexpr int Moves = 400;
    const Usage beforeHover = usageOf(pid);
    for (int move = 0; move < Moves; ++move) {
        screen.moveTo(window, HelpX + move % 2 * 3, HelpY);
        std::this_thread::sleep_for(2ms);
    }
    screen.moveTo(window, 300, 300);
    sleepFor(0.5);
    const Usage afterHover = usageOf(pid);
    std::printf("hover_cpu_us %.1f\n",
                1e6 * (afterHover.mainThreadCpuSeconds - beforeHover.mainThreadCpuSeconds) / Moves);

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(dataHome);
    return 0;
}
