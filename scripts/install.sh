#!/usr/bin/env bash
# Builds the program, its library and the renderer, and installs them under a prefix (default ~/.local,
# which needs no root): the program folder PREFIX/lib/zenphra, the renderer's link in PREFIX/bin, the
# desktop entry and icon under PREFIX/share, and the renderer's manual page.
#   install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-$HOME/.local}

./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target Zenphra zenphra-render -j "$(nproc)"
cmake --install build --prefix "$prefix" --strip
echo "Installed under $prefix: start \"Quorvex-Talmy Fractals Lite\" from the desktop's menu or $prefix/lib/zenphra/Zenphra; zenphra-render is in $prefix/bin."
