#!/usr/bin/env bash
# Installs what the build needs, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# CI treats compiler warnings as errors.
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARDEN_WERROR=$werror ${VARDEN_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"
