#!/usr/bin/env bash
# Runs every test of the Windows layer and the program under Wine, in a private X display.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
wine_env_pick_arch
trap wine_env_stop EXIT
wine_env_start
ctest --test-dir "$VEXLUMEN_WINE_BUILD" --output-on-failure --no-tests=error "$@"
