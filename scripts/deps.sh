#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing; with
# arguments, those packages instead (the fuzzing and benchmark scripts name their own).
set -euo pipefail

packages=("$@")
[ $# -gt 0 ] || packages=(
  cmake g++ ninja-build pkg-config
  libgtest-dev
  qt6-base-dev libgl-dev libx11-dev
  xvfb xauth locales
  dpkg-dev desktop-file-utils appstream groff-base
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: apt-get install ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
