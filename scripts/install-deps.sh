#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs everything needed to build, run and test Girolino on Debian 12.
set -eu
PKGS="build-essential cmake ninja-build pkg-config git \
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools gettext libgl-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libboost-dev libcli11-dev nlohmann-json3-dev \
  fonts-dejavu-core fonts-liberation fonts-liberation2 \
  desktop-file-utils appstream lintian \
  clang-format xvfb x11-utils"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends $missing
