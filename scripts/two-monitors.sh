#!/usr/bin/env bash
# Runs one command on a display with two real monitors, the way a desk with two screens
# looks to Wine: a private X server with the dummy video driver and two RandR outputs,
#   A  DUMMY0  1024x768 at 0,0, primary
#   B  DUMMY1   800x600 right of A (1024,0)
# and a Wine prefix of its own with no virtual desktop (a virtual desktop is always one
# monitor). Everything is torn down afterwards.
#   scripts/two-monitors.sh wine build/windows/tests/e2e/tarnwick_e2e.exe ...
# The command may unplug B with `xrandr --output DUMMY1 --off`; DISPLAY names the server.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
tarnwick_wine_vars
_tarnwick_wine_template

workDir="$(mktemp -d "$TARNWICK_WINE_DIR/monitors.XXXXXX")"
xorgPid=""
finish() {
  if [[ -d "$workDir/prefix" ]]; then
    WINEPREFIX="$workDir/prefix" wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$workDir/prefix" wineserver -w >/dev/null 2>&1 || true
  fi
  if [[ -n "$xorgPid" ]]; then
    kill "$xorgPid" 2>/dev/null || true
    wait "$xorgPid" 2>/dev/null || true
  fi
  rm -rf "$workDir"
}
trap finish EXIT

cat >"$workDir/xorg.conf" <<'CONF'
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2048 1024
  EndSubSection
EndSection
CONF

# The server itself, not the wrapper that insists on a console; it picks a free display.
xorg=/usr/lib/xorg/Xorg
[[ -x "$xorg" ]] || xorg=Xorg
"$xorg" -displayfd 5 -noreset -nolisten tcp -config "$workDir/xorg.conf" \
  -logfile "$workDir/xorg.log" 5>"$workDir/display" </dev/null >/dev/null 2>&1 &
xorgPid=$!
for ((i = 0; i < 200; i++)); do
  [[ -s "$workDir/display" ]] && break
  sleep 0.05
done
[[ -s "$workDir/display" ]] || { echo "two-monitors: Xorg did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$workDir/display")"

# Right after the start the outputs may not all be there yet: set them up until RandR
# reports both monitors.
for ((i = 0; i < 50; i++)); do
  xrandr --newmode 800x600_60 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync \
    >/dev/null 2>&1 || true
  xrandr --addmode DUMMY1 800x600_60 >/dev/null 2>&1 || true
  xrandr --output DUMMY0 --mode 1024x768 --pos 0x0 --primary >/dev/null 2>&1 || true
  xrandr --output DUMMY1 --mode 800x600_60 --right-of DUMMY0 >/dev/null 2>&1 || true
  xrandr --listmonitors 2>/dev/null | grep -q '^Monitors: 2' && break
  sleep 0.1
done
xrandr --listmonitors 2>/dev/null | grep -q '^Monitors: 2' ||
  { echo "two-monitors: the X server did not show two monitors" >&2; exit 1; }

cp -a "$TARNWICK_WINE_DIR/template" "$workDir/prefix"
export WINEPREFIX="$workDir/prefix"
wineserver -p
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f </dev/null >/dev/null 2>&1 || true
set +e
"$@"
status=$?
set -e
exit "$status"
