#!/usr/bin/env bash
# Builds the program, its library and the renderer and makes the Debian package of them,
# build/zenphra_VERSION_ARCH.deb. Install it as root with apt, which also installs the libraries it needs:
#   apt install ./build/zenphra_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target Zenphra zenphra-render -j "$(nproc)"
rm -f build/zenphra_*.deb
(cd build && cpack -G DEB > cpack.log 2>&1) || { cat build/cpack.log >&2; exit 1; }
echo "Made $(ls build/zenphra_*.deb): install it with apt install ./$(ls build/zenphra_*.deb)"
