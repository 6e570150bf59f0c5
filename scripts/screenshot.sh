#!/usr/bin/env bash
# Runs Tarnwick in the 800x600 Wine virtual desktop on a private X display for a few
# seconds and saves a picture of that desktop.
#   scripts/screenshot.sh build/windows/win32/Tarnwick.exe docs/main-window.png [seconds]
# With TARNWICK_SHOT_OPTIONS set to the end-to-end driver (tarnwick_e2e.exe), the driver
# then opens the Options window as a user would, and the picture shows just that window.
set -euo pipefail
exe="$(realpath "$1")"
out="$(realpath -m "$2")"
seconds="${3:-6}"
driver="${TARNWICK_SHOT_OPTIONS:+$(realpath "$TARNWICK_SHOT_OPTIONS")}"
mkdir -p "$(dirname "$out")"
export TARNWICK_FORCE_XVFB=1
exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" bash -c '
  set -euo pipefail
  wine explorer /desktop=Tarnwick,800x600 "$1" >/dev/null 2>&1 &
  sleep "$3"
  crop=()
  if [[ -n "$4" ]]; then
    # The driver prints the window'"'"'s place as WIDTHxHEIGHT+LEFT+TOP.
    geometry=$(wine "$4" --open-options </dev/null 2>/dev/null | tr -d "\r" | tail -n 1)
    [[ "$geometry" =~ ^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$ ]] || { echo "no Options window" >&2; exit 1; }
    crop=(-crop "$geometry" +repage)
  fi
  # The virtual desktop is an X window of its own; capture just that.
  desktop=$(xwininfo -root -tree | awk "/\"Tarnwick - Wine desktop\"/ {print \$1; exit}")
  if [[ -n "$desktop" ]]; then
    import -window "$desktop" "${crop[@]}" "$2"
  else
    import -window root -crop 800x600+0+0 "$2"
  fi
  echo "screenshot: $2"
' screenshot "$exe" "$out" "$seconds" "$driver"
