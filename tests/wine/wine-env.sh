# Sourced by the scripts that run Windows programs under Wine. Sets up, for this repository:
#   - which Wine runs them: 32-bit Wine with the 32-bit program where this kernel can run 32-bit
#     Linux binaries, otherwise 64-bit Wine with the same sources built for x86-64 (some
#     kernels are built without 32-bit support, and 32-bit Wine cannot start there at all);
#   - a glibc zh_CN.UTF-8 locale, so that Wine's ANSI code page is 936 and files with Chinese
#     names open;
#   - a private Wine prefix with a virtual desktop of 1024x768, which draws captions and frames
#     like Windows does, on a private Xvfb display (unless one is given in VEXLUMEN_DISPLAY).
# Call wine_env_start before and wine_env_stop after (a trap is the caller's business).

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

wine_env_pick_arch() {
  if [[ -n "${VEXLUMEN_WINE_ARCH:-}" ]]; then
    :
  elif [[ -x /usr/lib/wine/wine ]] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    VEXLUMEN_WINE_ARCH=win32
  else
    VEXLUMEN_WINE_ARCH=win64
  fi
  if [[ "$VEXLUMEN_WINE_ARCH" == win32 ]]; then
    VEXLUMEN_WINE_PRESET=win32
    VEXLUMEN_WINE=/usr/lib/wine/wine
  else
    VEXLUMEN_WINE_PRESET=wine64
    VEXLUMEN_WINE=/usr/lib/wine/wine64
  fi
  VEXLUMEN_WINE_BUILD="$repo_root/build/$VEXLUMEN_WINE_PRESET"
  export VEXLUMEN_WINE_ARCH VEXLUMEN_WINE_PRESET VEXLUMEN_WINE VEXLUMEN_WINE_BUILD
}

wine_env_start() {
  wine_env_pick_arch
  local state="$repo_root/build/wine-state-$VEXLUMEN_WINE_ARCH"
  mkdir -p "$state"

  if [[ ! -d "$state/locale/zh_CN.UTF-8" ]]; then
    mkdir -p "$state/locale"
    localedef -i zh_CN -f UTF-8 "$state/locale/zh_CN.UTF-8" 2>/dev/null ||
      [[ -d "$state/locale/zh_CN.UTF-8" ]]
  fi
  export LOCPATH="$state/locale" LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8 2>/dev/null
  export WINEARCH="$VEXLUMEN_WINE_ARCH" WINEPREFIX="$state/prefix" WINELOADER="$VEXLUMEN_WINE"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

  if [[ -n "${VEXLUMEN_DISPLAY:-}" ]]; then
    export DISPLAY="$VEXLUMEN_DISPLAY"
    VEXLUMEN_XVFB_PID=
  else
    local n=91
    while [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]]; do n=$((n + 1)); done
    # -noreset: Xvfb would otherwise reset when its last client (a short-lived test) goes.
    Xvfb ":$n" -noreset -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    VEXLUMEN_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
  export VEXLUMEN_XVFB_PID

  if [[ ! -f "$WINEPREFIX/.vexlumen-ready" ]]; then
    echo "Preparing the Wine prefix ($VEXLUMEN_WINE_ARCH; takes a few minutes the first time)..."
    "$VEXLUMEN_WINE" wineboot --init >/dev/null 2>&1 || true
    "$VEXLUMEN_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$VEXLUMEN_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
      >/dev/null 2>&1
    /usr/lib/wine/wineserver -w || true
    touch "$WINEPREFIX/.vexlumen-ready"
  fi
  # Keep one server for the whole run: starting it per program costs seconds.
  /usr/lib/wine/wineserver -p >/dev/null 2>&1 </dev/null || true  # already running: fine
  # Start Wine's own services now, detached from our output: started by the first test program
  # instead, they would inherit its output pipe and keep ctest waiting on it after it ended.
  "$VEXLUMEN_WINE" wineboot >/dev/null 2>&1 </dev/null || true
}

wine_env_stop() {
  xdotool mouseup 1 >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  if [[ -n "${VEXLUMEN_XVFB_PID:-}" ]]; then
    kill "$VEXLUMEN_XVFB_PID" >/dev/null 2>&1 || true
    wait "$VEXLUMEN_XVFB_PID" 2>/dev/null || true
  fi
}
