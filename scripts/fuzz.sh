#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the step-file fuzzer with clang into build-fuzz/ and runs it from the seed corpus.
# Arguments after the script's name go to libFuzzer; by default it runs for 60 seconds:
#   scripts/fuzz.sh                       one minute, as CI runs it
#   scripts/fuzz.sh -runs=10000000        ten million executions
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DHK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target step-file-fuzzer
corpus=build-fuzz/corpus
mkdir -p "$corpus"
[[ $# -gt 0 ]] || set -- -max_total_time=60
SDL_AUDIODRIVER=dummy build-fuzz/tests/fuzz/step-file-fuzzer "$corpus" tests/fuzz/corpus \
    resources/wav -dict=tests/fuzz/wave.dict -max_len=65536 -rss_limit_mb=1024 -print_final_stats=1 "$@"
