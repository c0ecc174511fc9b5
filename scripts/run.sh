#!/usr/bin/env bash
# Builds the program and starts it against the demo service.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# QtWebEngine refuses its sandbox when run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec ./build/VARDENCliente
