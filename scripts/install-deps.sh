#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build and the tests use. Idempotent: a
# machine that already has it all asks apt nothing. Run as root.
set -euo pipefail

packages=(
  # native build and unit tests
  cmake ninja-build g++ make googletest libgtest-dev
  # the Windows program (32-bit) and the Wine test vehicle (64-bit, see tests/wine/wine-env.sh)
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  # a real Win32 to test on, in a virtual X server, driven like a person would
  wine wine64 fonts-wine fonts-wqy-microhei xvfb xauth xdotool xclip x11-utils x11-apps locales
  imagemagick
  # the end-to-end scripts and small helpers they use
  python3 file procps ca-certificates
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# Wine runs 32-bit Windows programs only where this kernel runs 32-bit Linux programs; some
# kernels are built without that. Probe with the 32-bit loader once i386 packages are allowed.
want_wine32=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  missing+=(libc6:i386)
fi
if ! dpkg-query -W -f='${Status}' libc6:i386 2>/dev/null | grep -q "install ok installed"; then
  missing+=(libc6:i386)
fi

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then want_wine32=1; fi
if ((want_wine32)) && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  echo "Installing: wine32:i386"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends wine32:i386
fi
