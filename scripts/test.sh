#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the portable logic natively
# (under ASan and UBSan), then the Windows program, its Windows layer and the whole road of a
# user under Wine. Fails on the first failure. Run as root on Debian.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== Portable logic, natively"
cmake --preset native
cmake --build --preset native
ctest --preset native

echo "== The 32-bit Windows program"
cmake --preset win32
cmake --build --preset win32

source tests/wine/wine-env.sh
wine_env_pick_arch
if [[ "$VEXLUMEN_WINE_PRESET" != win32 ]]; then
  echo "== This kernel runs no 32-bit Linux programs: Wine tests use the x86-64 build"
  cmake --preset "$VEXLUMEN_WINE_PRESET"
  cmake --build --preset "$VEXLUMEN_WINE_PRESET"
fi

echo "== Under Wine"
bash tests/wine/run-suite.sh
