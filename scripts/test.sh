#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and short runs of the fuzz targets.
#   FUZZ_SECONDS  how long each fuzz target runs (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-20}

step() { printf '\n=== %s\n' "$*"; }

step "build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

step "build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENPHRA_SANITIZE=ON \
    -DZENPHRA_BUILD_BENCH=OFF > /dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

step "fuzz the file readers for ${fuzz_seconds}s each"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENPHRA_FUZZ=ON > /dev/null
cmake --build build-fuzz -j "$jobs"
shopt -s nullglob
for target in build-fuzz/bin/fuzz_*; do
    name=$(basename "$target")
    corpus=$(mktemp -d)
    if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$corpus/"; fi
    echo "--- $name"
    "$target" "$corpus" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
        2>&1 | tail -n 12
    status=${PIPESTATUS[0]}
    rm -rf "$corpus"
    if [ "$status" -ne 0 ]; then
        echo "fuzz target $name found a fault" >&2
        exit 1
    fi
done

step "all tests passed"
