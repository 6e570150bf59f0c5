#!/usr/bin/env bash
# Fails when app/, focus/ or cursor/ (or the plain platform seam) reach for the system.
set -u
root=${1:?source root}
cd "$root" || exit 2
pattern='#include *[<"](windows|winuser|windef|shellapi|shlobj|commctrl|winreg|winbase)\.h[>"]|\bHWND\b|\bLPARAM\b|\bWPARAM\b'
found=$(grep -rnE "$pattern" common app focus cursor platform/*.h platform/*.cpp platform/sim 2>/dev/null)
if [ -n "$found" ]; then
  echo "system code outside platform/win32:"
  echo "$found"
  exit 1
fi
echo "layering clean"
