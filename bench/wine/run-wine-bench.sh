#!/usr/bin/env bash
# Builds the Wine benchmark of the inspection tick and runs it under Wine in a private X display.
# Prints two lines:
#   wine-tick n=2000 tick_ms=<median> floor_ms=<median>
#   wine-soak ticks=10000 growth_kib=<growth>
# An optional argument sets the number of soak ticks (every tick asks the Wine server thousands
# of questions, so the full soak takes many minutes).
set -euo pipefail
cd "$(dirname "$0")/../.."
source tests/wine/wine-env.sh
wine_env_pick_arch

cmake --preset "$VEXLUMEN_WINE_PRESET" >/dev/null
cmake --build --preset "$VEXLUMEN_WINE_PRESET" --target vexlumen_wine_tick_bench >/dev/null

trap wine_env_stop EXIT
wine_env_start
cd "$VEXLUMEN_WINE_BUILD"
"$VEXLUMEN_WINE" ./vexlumen_wine_tick_bench.exe "$@"
