#!/usr/bin/env bash
# Builds the program and its tests and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)"
