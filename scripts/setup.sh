#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Quick when everything is present: apt runs only when a package is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev libgl-dev
    libpng-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev libhwy-dev libmpfr-dev
    pngcheck imagemagick locales-all
    xvfb xdotool x11-utils openbox desktop-file-utils xclip bc
    dpkg-dev file lintian  # the Debian package, made and checked
    slurm-wlm munge parallel iproute2
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "setup: these packages are missing and installing them needs root" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
