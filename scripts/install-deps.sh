#!/usr/bin/env bash
# Installs the Debian packages tidepool needs to build, run and test (the
# list of DEVELOPERS.md).
# Does nothing when everything is present; refreshes the package lists only
# when a package cannot be found in them.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
    libsdl-gfx1.2-dev liblua5.1-0-dev
    googletest libgtest-dev libbenchmark-dev fonts-dejavu-core python3
    xvfb xdotool sox libsox-fmt-all espeak-ng
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

echo "Installing: ${missing[*]}"
if ! $SUDO apt-get install -y -q "${missing[@]}"; then
    # A fresh machine may have no package lists yet, or stale ones.
    $SUDO apt-get update -q
    $SUDO apt-get install -y -q "${missing[@]}"
fi
