#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and test; only missing ones.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
    libqt6sql6-sqlite libqt6sql6-psql postgresql
    libzip-dev libsdl2-mixer-dev libjack-jackd2-dev libvorbis-dev libogg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth x11-utils fonts-dejavu-core
    dbus-daemon
    dpkg-dev file appstream desktop-file-utils man-db
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
