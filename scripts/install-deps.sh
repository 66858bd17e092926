#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent and quick when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  qt6-serialport-dev qt6-charts-dev qt6-translations-l10n
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core
  clang libclang-rt-14-dev
  desktop-file-utils
  poppler-utils
  # The car library: Qt's SQLite and PostgreSQL drivers, and the server its
  # tests start for themselves.
  libqt6sql6-sqlite libqt6sql6-psql postgresql
  dpkg-dev lintian
  valgrind xvfb x11-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
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
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
