#!/usr/bin/env bash
# Installs what the build and every test tier need on Debian 12, and nothing when all of
# it is already there (no apt-get update either). Needs root or sudo only when installing.
# `install-deps.sh fuzz` adds clang and its sanitizer and libFuzzer runtimes (make fuzz).
set -euo pipefail

# Debian's wine64 alone runs 64-bit programs; wine32 (and so i386 multiarch) is not needed.
# Wine's own fonts (title-bar glyphs, Tahoma, MS Sans Serif) and Liberation (metric twins of
# Courier New and Arial) are only recommended by wine, so they are named here. x11-utils
# gives xwininfo (the session waits for the desktop window), imagemagick the screenshots.
# Python redraws the icons (scripts/make-icons.py) and, with its YAML module, writes and
# checks the package manifests; zip is only for `make dist`. Xorg with the dummy video driver
# and xrandr give the two-monitor tests a display with real outputs (Xvfb shows Wine one
# monitor whatever its options).
packages=(
  make cmake g++ googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-liberation xvfb x11-utils imagemagick nsis zip
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils python3 python3-yaml
  clang-format clang-tidy cppcheck
)
if [[ "${1:-}" == fuzz ]]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}" >&2
sudo=()
if ((EUID != 0)); then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
