#!/usr/bin/env bash
# The explorer window against zenphra-render on the seahorse valley, on a virtual X server of its own:
# see window_plot_bench.cpp. Run by hand after a build.
#
#   bench/window_vs_renderer.sh [BIN_FOLDER] [REPEATS]    (defaults: build/bin, 3)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-$root/build/bin}
repeats=${2:-3}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do
    if [ -s "$work/display" ]; then break; fi
    sleep 0.1
done
[ -s "$work/display" ] || { echo "the virtual X server did not start" >&2; exit 1; }

DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb "$bin/zenphra_window_bench" "$repeats"
