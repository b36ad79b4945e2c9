#!/usr/bin/env bash
# Installs what the build needs, builds, and starts the explorer. Without a display it says so and shows
# how to render an image with the command-line renderer instead.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
# Only the program, its library and the renderer: the tests and benchmarks are scripts/test.sh's.
cmake --build build --target Zenphra zenphra-render -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the explorer on: render an image from the command line with build/bin/zenphra-render instead."
    exit 0
fi
exec build/bin/Zenphra "$@"
