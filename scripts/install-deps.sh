#!/usr/bin/env bash
# Installs the Debian packages Pindora needs to build, test and run; only those missing.
# Safe to run again: when everything is present it does nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev libqt6opengl6-dev
  libgdiplus
  libcurl4-openssl-dev
  libpcre2-dev
  libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-zenhei
  xvfb xauth xdotool xclip imagemagick x11-utils
  libxtst-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
