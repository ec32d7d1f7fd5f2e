#!/usr/bin/env bash
# Installs the Debian packages the build, the tool and its tests need; does nothing for those
# already installed. Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git
    clang libclang-rt-14-dev           # the libFuzzer target and its sanitizers
    googletest libgtest-dev libbenchmark-dev
    qt6-base-dev libgl-dev libxcb1-dev libxcb-keysyms1-dev
    fonts-wqy-microhei                 # Chinese captions instead of boxes
    xvfb openbox xclip xdotool x11-utils imagemagick   # end-to-end tests and screenshots
    # The Windows build (mingw-w64) and its tests under Wine in a Chinese locale.
    g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 fonts-wine locales
    libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3 libxext6
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
        missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "setup: all packages present"
    exit 0
fi

echo "setup: installing ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
