#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Velimora need.
# Idempotent: only missing packages are installed; sudo is used only when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev xvfb xauth fonts-liberation
  nlohmann-json3-dev libedit-dev
  # velimora-query links line editing in: the archives of the libraries it needs.
  libbsd-dev libmd-dev libncurses-dev
  wdanish
  scdoc groff-base man-db desktop-file-utils appstream dpkg-dev file
  # `make fuzz`: clang with libFuzzer and the sanitizer runtimes it links.
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
