#!/usr/bin/env bash
# Installs every Debian package the build, the examples and the tests need. Idempotent: when
# everything is present it only checks and returns. Run as root (or through sudo).
# Xvfb, xclip and xdotool run the tests of the system clipboard and the desktop editor.
# clang and its runtime libraries (libFuzzer, the sanitizers) build the fuzz targets (make fuzz).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  python3 python3-dev pybind11-dev
  libfreetype-dev libfontconfig-dev fonts-liberation2 libpng-dev
  imagemagick ffmpeg sox
  libsndfile1-dev libmpg123-dev libmp3lame-dev libsoxr-dev
  libavformat-dev libavcodec-dev libavutil-dev libswresample-dev
  libtag1-dev libcdio-dev libcdio-paranoia-dev
  libsoundtouch-dev libkissfft-dev
  libsdl2-dev libasound2-dev pulseaudio
  lame
  xvfb xclip xdotool x11-utils libxcb1-dev
  liburing-dev
  libgtkmm-4.0-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
$SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
