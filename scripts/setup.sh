#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need. Safe to run again.
set -euo pipefail
pkgs=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc
  qt6-webengine-dev qt6-webengine-dev-tools qt6-charts-dev qt6-tools-dev
  libqt6svg6 qt6-svg-dev libgl-dev
  unixodbc unixodbc-dev tdsodbc freetds-bin
  libboost-dev
  libjs-leaflet sqlite3 libsqlite3-dev python3
  qt6-translations-l10n
  xvfb xauth xdotool imagemagick poppler-utils fonts-dejavu-core
  libxlsxwriter-dev gpsbabel python3-openpyxl
)
# npm for the base map's data: Debian's, unless a Node.js with its own npm is installed already.
command -v npm >/dev/null 2>&1 || pkgs+=(nodejs npm)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The FreeTDS driver under the name the program's connection string uses.
odbcinst -q -d -n FreeTDS >/dev/null 2>&1 || $SUDO odbcinst -i -d -f /usr/share/tdsodbc/odbcinst.ini
# The base map's data (npm packages pinned in package-lock.json), unless already installed as locked.
raiz="$(cd "$(dirname "$0")/.." && pwd)"
if ! cmp -s "$raiz/package-lock.json" "$raiz/node_modules/.varden-lock.json"; then
  (cd "$raiz" && npm ci --no-audit --no-fund --loglevel=error && cp package-lock.json node_modules/.varden-lock.json)
fi
