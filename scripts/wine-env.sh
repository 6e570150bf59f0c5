# Shared Wine fixture for every tier that runs Windows code: source it, then call
#   tarnwick_wine_up      # template prefix (once), fresh copy, Xvfb if needed, wineserver -p
#   tarnwick_wine_down    # stops the wineserver and Xvfb, removes the copied prefix
# After tarnwick_wine_up every `wine prog.exe` runs inside the 800x600 virtual desktop
# "Tarnwick" (96 DPI, taskbar with notification area), with a throw-away WINEPREFIX.
# Knobs: TARNWICK_WINE_DIR (default <repo>/build/wine), TARNWICK_KEEP_PREFIX=1,
# TARNWICK_FORCE_XVFB=1 (a private display even when $DISPLAY is set).

_tarnwickRoot="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

tarnwick_wine_vars() {
  export WINEDEBUG=-all
  # Keep Wine from touching the host: no .desktop files, no host browser, no Mono/Gecko.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winebrowser.exe=d"
  export WINEARCH=win64
  TARNWICK_WINE_DIR="${TARNWICK_WINE_DIR:-$_tarnwickRoot/build/wine}"
  export TARNWICK_WINE_DIR
}

# Builds the pristine prefix once; later runs copy it, which takes a fraction of a second
# instead of the ten-odd seconds wineboot needs.
_tarnwick_wine_template() {
  local template="$TARNWICK_WINE_DIR/template"
  mkdir -p "$TARNWICK_WINE_DIR"
  (
    flock 9
    if [[ -f "$template/.tarnwick-ready" ]]; then exit 0; fi
    rm -rf "$template"
    local startMs endMs
    startMs=$(($(date +%s%N) / 1000000))
    WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 || true
    # Every process of the session joins one virtual desktop, so tests and the program see
    # the same 800x600 screen; the shell gives it a taskbar with a notification area.
    cat >"$TARNWICK_WINE_DIR/desktop.reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Tarnwick"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Tarnwick"="800x600"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops\Tarnwick]
"EnableShell"=dword:00000001
REG
    WINEPREFIX="$template" wine regedit /S "$TARNWICK_WINE_DIR/desktop.reg" >/dev/null 2>&1 || true
    WINEPREFIX="$template" wineserver -w
    # This Wine build does not find its own font folder; without Marlett the title-bar
    # buttons show letters. Fonts in the prefix's Fonts folder are always loaded.
    cp /usr/share/wine/fonts/*.ttf "$template/drive_c/windows/Fonts/" 2>/dev/null || true
    endMs=$(($(date +%s%N) / 1000000))
    [[ -f "$template/system.reg" ]] || { echo "wine-env: wineboot failed" >&2; exit 1; }
    echo "$((endMs - startMs))" >"$TARNWICK_WINE_DIR/template.ms"
    echo "wine-env: created the Wine template prefix in $((endMs - startMs)) ms" >&2
    touch "$template/.tarnwick-ready"
  ) 9>"$TARNWICK_WINE_DIR/template.lock"
}

_tarnwick_start_xvfb() {
  local fdFile="$TARNWICK_SESSION_DIR/display"
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -dpi 96 5>"$fdFile" >/dev/null 2>&1 &
  TARNWICK_XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do
    [[ -s "$fdFile" ]] && break
    sleep 0.05
  done
  [[ -s "$fdFile" ]] || { echo "wine-env: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(tr -d '\n' <"$fdFile")"
  export TARNWICK_XVFB_PID
}

tarnwick_wine_up() {
  tarnwick_wine_vars
  _tarnwick_wine_template || return 1
  TARNWICK_SESSION_DIR="$(mktemp -d "$TARNWICK_WINE_DIR/session.XXXXXX")"
  export TARNWICK_SESSION_DIR
  cp -a "$TARNWICK_WINE_DIR/template" "$TARNWICK_SESSION_DIR/prefix"
  export WINEPREFIX="$TARNWICK_SESSION_DIR/prefix"
  if [[ -z "${DISPLAY:-}" || -n "${TARNWICK_FORCE_XVFB:-}" ]]; then
    _tarnwick_start_xvfb || return 1
  fi
  # One persistent server for the whole session: every wine start after this is cheaper.
  wineserver -p
  # Wine's helper processes (services, the desktop's explorer) live as long as the server
  # and inherit the standard handles of whichever process started them. Start them here,
  # detached from any pipe, or a caller reading a test's output would wait for them forever.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # The virtual desktop, held open by an explorer of our own so that processes coming and
  # going never close it; with EnableShell it stays until the session ends.
  wine explorer /desktop=Tarnwick,800x600 </dev/null >/dev/null 2>&1 &
  # Until the desktop window is mapped, cursor moves are lost: wait for it.
  local i
  for ((i = 0; i < 200; i++)); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Tarnwick - Wine desktop"' && break
    sleep 0.05
  done
  export TARNWICK_WINE_SESSION=1
}

tarnwick_wine_down() {
  if [[ -n "${WINEPREFIX:-}" ]]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [[ -n "${TARNWICK_XVFB_PID:-}" ]]; then
    kill "$TARNWICK_XVFB_PID" 2>/dev/null || true
    wait "$TARNWICK_XVFB_PID" 2>/dev/null || true
  fi
  if [[ -n "${TARNWICK_SESSION_DIR:-}" && -z "${TARNWICK_KEEP_PREFIX:-}" ]]; then
    rm -rf "$TARNWICK_SESSION_DIR"
  fi
}
