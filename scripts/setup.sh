#!/usr/bin/env bash
# Installs, with apt-get and only when missing, every Debian package that
# building, running and testing Tirovane need. Quiet when all is there.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6svg6 libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  libsqlite3-dev sqlite3
  libswe-dev swe-basic-data
  libturbojpeg0-dev
  fonts-dejavu-core fonts-noto-core xvfb xauth
  dpkg-dev desktop-file-utils appstream
  xdotool x11-utils libx11-dev imagemagick valgrind
  clang libclang-rt-14-dev
  tzdata iso-codes python3 openssl
  openbox dbus-daemon at-spi2-core python3-pyatspi
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
