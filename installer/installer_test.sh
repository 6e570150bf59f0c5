#!/usr/bin/env bash
# Runs TarnwickSetup.exe silently under Wine, checks what it left, uninstalls, checks again.
set -euo pipefail
setup="$(realpath "$1")"
if [[ -z "${TARNWICK_WINE_SESSION:-}" ]]; then
  exec "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-session.sh" "$0" "$@"
fi

programFolder="$WINEPREFIX/drive_c/Program Files/Tarnwick"
fail() {
  echo "installer test: $*" >&2
  exit 1
}
startMenuShortcut() {
  find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Tarnwick/Tarnwick.lnk' 2>/dev/null
}

wine "$setup" /S </dev/null
[[ -f "$programFolder/Tarnwick.exe" ]] || fail "Tarnwick.exe not installed"
[[ -f "$programFolder/Uninstall.exe" ]] || fail "no uninstaller"
[[ -f "$programFolder/Tarnwick.html" ]] || fail "the help page is not beside the program"
[[ -n "$(startMenuShortcut)" ]] || fail "no Start Menu shortcut Tarnwick\\Tarnwick.lnk"
cmp -s "$programFolder/Tarnwick.exe" "$(dirname "$setup")/platform/win32/Tarnwick.exe" ||
  fail "the installed exe differs from the built one"

# The uninstaller hands over to a copy of itself in TEMP and returns at once: wait for it.
wine "$programFolder/Uninstall.exe" /S </dev/null
for ((i = 0; i < 300; i++)); do
  [[ -e "$programFolder" ]] || break
  sleep 0.1
done
[[ ! -e "$programFolder" ]] || fail "the program folder is left behind: $(ls "$programFolder")"
[[ -z "$(startMenuShortcut)" ]] || fail "Start Menu shortcut left behind"
echo "installer test: passed"
