#!/usr/bin/env bash
# Installs the Debian packages a command needs: "run" those that build and
# start the program, "test" those and the ones of the tests on top (the
# default). Idempotent and quiet when everything is already there.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
  libuemf-dev
)
test_packages=(
  clang clang-format binutils gfortran
  libgtest-dev libgmock-dev libbenchmark-dev
  emf2svg
)

case "${1:-test}" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

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
