#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need, when missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev
  libqt6sql6-sqlite libqt6sql6-psql libqt6printsupport6 libqt6opengl6-dev libgl-dev
  libsqlite3-dev sqlite3
  libgtest-dev googletest libbenchmark-dev
  xvfb xauth poppler-utils fonts-dejavu-core libqt6svg6
  postgresql postgresql-client libpq-dev
  libqrencode-dev zbar-tools
  qt6-translations-l10n
  clang-14 libclang-rt-14-dev
  dpkg-dev file lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
