#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Plectronome need,
# skipping those already present.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qtbase5-dev qttools5-dev-tools qttranslations5-l10n libqt5svg5-dev
  libtag1-dev zlib1g-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev
  libsdl2-dev
  libbenchmark-dev
  lame ffmpeg
  fonts-liberation2 fonts-dejavu-core fonts-noto-cjk fonts-lohit-deva
  xvfb xauth
  desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
  ccache
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
