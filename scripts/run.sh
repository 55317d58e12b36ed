#!/usr/bin/env bash
# Builds the tool and starts it under Wine, with the ANSI code page 936, on your display.
# Installs what is missing first. Run as root on Debian, from a desktop session (DISPLAY set).
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${DISPLAY:-}" ]]; then
  echo "No X display: run this from a desktop session, or set DISPLAY." >&2
  exit 1
fi

bash scripts/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32

source tests/wine/wine-env.sh
wine_env_pick_arch
if [[ "$VEXLUMEN_WINE_PRESET" != win32 ]]; then
  echo "This kernel runs no 32-bit Linux programs: starting the x86-64 build of the same sources."
  cmake --preset "$VEXLUMEN_WINE_PRESET" >/dev/null
  cmake --build --preset "$VEXLUMEN_WINE_PRESET" --target vexlumen
fi
VEXLUMEN_DISPLAY="$DISPLAY"
wine_env_start
cd "$VEXLUMEN_WINE_BUILD"
exec "$VEXLUMEN_WINE" ./vexlumen.exe
