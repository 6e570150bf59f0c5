#!/usr/bin/env bash
# Runs Tarnwick in the 800x600 Wine virtual desktop on a private X display for a few
# seconds and saves a picture of that desktop.
#   scripts/screenshot.sh build/windows/platform/win32/Tarnwick.exe docs/main-window.png [seconds]
set -euo pipefail
exe="$(realpath "$1")"
out="$(realpath -m "$2")"
seconds="${3:-6}"
mkdir -p "$(dirname "$out")"
export TARNWICK_FORCE_XVFB=1
exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" bash -c '
  set -euo pipefail
  wine explorer /desktop=Tarnwick,800x600 "$1" >/dev/null 2>&1 &
  sleep "$3"
  # The virtual desktop is an X window of its own; capture just that.
  desktop=$(xwininfo -root -tree | awk "/\"Tarnwick - Wine desktop\"/ {print \$1; exit}")
  if [[ -n "$desktop" ]]; then
    import -window "$desktop" "$2"
  else
    import -window root -crop 800x600+0+0 "$2"
  fi
  echo "screenshot: $2"
' screenshot "$exe" "$out" "$seconds"
