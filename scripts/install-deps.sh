#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Idempotent and
# quiet when everything is already there.
set -euo pipefail

packages=(
  build-essential clang clang-format cmake ninja-build binutils gfortran
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
  libuemf-dev emf2svg
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
