#!/usr/bin/env bash
# Checks that a built program runs on a bare Windows: a GUI executable of the expected machine
# that imports nothing but DLLs every Windows has, with the drag cursor file beside it.
# usage: check-self-contained.sh EXE pei-i386|pei-x86-64 [OBJDUMP]
set -euo pipefail
export LC_ALL=C  # objdump speaks the locale's language; we read its English
exe="$1"
format="$2"
dump="$("${3:-objdump}" -p "$exe")"

grep -q "file format $format" <<<"$dump" || { echo "$exe: not $format"; exit 1; }
grep -Eq "^Subsystem[[:space:]]+0+2[[:space:]]" <<<"$dump" || { echo "$exe: not a GUI program"; exit 1; }

allowed='^(kernel32|user32|gdi32|comctl32|advapi32|shell32|msvcrt|ole32|psapi)\.dll$'
status=0
while read -r dll; do
  if ! grep -Eqi "$allowed" <<<"$dll"; then
    echo "$exe imports $dll, which a bare Windows does not have"
    status=1
  fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")

[[ -f "$(dirname "$exe")/鼠标指针.cur" ]] || { echo "no drag cursor file beside $exe"; status=1; }
exit $status
