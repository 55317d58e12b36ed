#!/usr/bin/env bash
# Starts one Windows program with the Wine that run-suite.sh chose.
exec "${VEXLUMEN_WINE:?run the Wine tests through tests/wine/run-suite.sh}" "$@"
