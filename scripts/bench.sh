#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The game's own benchmark: starts the real program under Xvfb, N times, and reports min /
# median / max of what a player's machine feels: exec to the window and to the painted board,
# memory, CPU and wake-ups while idle, the board's repaint per step (timed by the program in a
# benchmark build), CPU during a walk and a poem, CPU per pointer move over a button, and a
# click's time to sound.
#
#   scripts/bench.sh [--runs N] [--idle-seconds N] [--baseline BUILD_DIR]
#
# It builds this checkout into build-bench/ (cmake -DHK_BENCH=ON). With --baseline, it also
# runs the hanzi-kitten in BUILD_DIR (another checkout's build-bench/), taking turns run by run
# so both see the same machine, and prints the ratio of the medians. Not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=5 idle=30 baseline=
while [[ $# -gt 0 ]]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --idle-seconds) idle=$2; shift 2 ;;
        --baseline) baseline=$(cd "$2" && pwd); shift 2 ;;
        *) echo "usage: $0 [--runs N] [--idle-seconds N] [--baseline BUILD_DIR]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh --bench
cmake -S . -B build-bench -DHK_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j2 --target hanzi-kitten >/dev/null
cmake -S tools/bench -B build-bench-tools >/dev/null
cmake --build build-bench-tools -j2 >/dev/null

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
results=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$results"' EXIT
sleep 1

builds=(current)
[[ -n "$baseline" ]] && builds=(baseline current)
echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg) at the start"
for run in $(seq "$runs"); do
    for build in "${builds[@]}"; do
        program=$PWD/build-bench/hanzi-kitten
        [[ $build == baseline ]] && program=$baseline/hanzi-kitten
        log=$results/$build-$run.repaints
        runner=$PWD/build-bench-tools/hk-bench-run
        # A session bus, as every desktop has: without one, Qt's D-Bus connection forks the
        # program to look for a bus launcher, and each page it writes afterwards faults once.
        (cd "$results" && DISPLAY=$display HK_BENCH_LOG=$log dbus-run-session -- "$runner" \
            "$program" --idle-seconds "$idle") >"$results/$build-$run.out" 2>/dev/null
        echo "run $run of $runs: $build done" >&2
    done
done
echo "machine: load $(cut -d' ' -f1-3 /proc/loadavg) at the end"

python3 - "$results" "$runs" "${builds[@]}" <<'PYTHON'
import statistics, sys
folder, runs, builds = sys.argv[1], int(sys.argv[2]), sys.argv[3:]

def percentile(values, share):
    values = sorted(values)
    return values[min(len(values) - 1, int(share * len(values)))]

def measurements(build, run):
    found = {}
    with open(f"{folder}/{build}-{run}.out") as out:
        for line in out:
            name, value = line.split()
            found[name] = float(value)
    steps = []
    try:
        with open(f"{folder}/{build}-{run}.repaints") as log:
            steps = [line.split() for line in log if line.startswith("repaint")]
    except FileNotFoundError:
        pass
    # A repaint more than a second after the last one is the first of a walk.
    warm = [int(s[1]) / 1000 for s in steps if 0 <= int(s[2]) <= 1000]
    cold = [int(s[1]) / 1000 for s in steps if not 0 <= int(s[2]) <= 1000]
    if warm:
        found["repaint_median_ms"] = statistics.median(warm)
        found["repaint_p99_ms"] = percentile(warm, 0.99)
        found["repaint_max_ms"] = max(warm)
    if cold:
        found["repaint_first_of_walk_ms"] = statistics.median(cold)
    return found

table = {build: [measurements(build, run) for run in range(1, runs + 1)] for build in builds}
names = list(dict.fromkeys(name for build in builds for run in table[build] for name in run))
header = f"{'measure':<26}" + "".join(f"{build + ' min/median/max':>34}" for build in builds)
print(header + ("     ratio" if len(builds) == 2 else ""))
for name in names:
    row, medians = f"{name:<26}", []
    for build in builds:
        values = [run[name] for run in table[build] if name in run]
        if not values:
            row += f"{'-':>34}"
            continue
        medians.append(statistics.median(values))
        row += f"{min(values):>12.3f}{medians[-1]:>11.3f}{max(values):>11.3f}"
    if len(medians) == 2 and medians[0]:
        row += f"{medians[1] / medians[0]:>10.2f}"
    print(row)
PYTHON
