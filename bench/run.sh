#!/usr/bin/env bash
# Builds the target "bench" and runs every benchmark; each ends with its "BENCH <path> ..." lines,
# gathered again at the end. Usage: bench/run.sh [build folder] (default: build).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$raiz/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target bench -j2
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# The web engine refuses its sandbox to root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
informe="$(mktemp)"
trap 'rm -f "$informe"' EXIT
fallos=0
for b in bench_datos bench_descarga bench_mantenimiento bench_estadisticas bench_calendario bench_mapa bench_diferido bench_ventanadiferido bench_visitas; do
  echo "== $b"
  if ! "$build/bench/$b" 2>&1 | tee -a "$informe"; then
    echo "$b FAILED" | tee -a "$informe"
    fallos=1
  fi
done
echo "== summary"
grep -E '^BENCH |FAILED$' "$informe" || true
exit $fallos
