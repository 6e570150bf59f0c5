#!/usr/bin/env bash
# TarnwickSetup.exe under Wine, silently, as the user would run it:
#   installer_test.sh upgrade SETUP PROBE VERSION WINGET
#     a per-user install (files, Start Menu group, HKCU uninstall entry, nothing in HKLM,
#     the entry the winget manifest in the folder WINGET names), then the installer again
#     over a running Tarnwick with settings stored;
#   installer_test.sh uninstall SETUP PROBE VERSION
#     /S closes a running copy and removes everything but the settings;
#     /S /REMOVESETTINGS removes them too; a running portable copy and its entry stay.
# PROBE is window_probe.exe; VERSION the product version the entry must show.
set -euo pipefail
if [[ -z "${TARNWICK_WINE_SESSION:-}" ]]; then
  exec "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-session.sh" "$0" "$@"
fi
stage="$1"
setup="$(realpath "$2")"
probe="$(realpath "$3")"
version="$4"
winget="${5:-}"
builtExe="$(dirname "$setup")/win32/Tarnwick.exe"

fail() {
  echo "installer test: $*" >&2
  exit 1
}

# The profile of the prefix's user (the Unix user's name; Public is the other folder).
profile=""
for folder in "$WINEPREFIX"/drive_c/users/*/AppData/Local; do
  [[ "$folder" == */users/Public/* ]] || profile="${folder%/AppData/Local}"
done
[[ -n "$profile" ]] || fail "no user profile in the prefix"
programFolder="$profile/AppData/Local/Programs/Tarnwick"
startMenu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
group="$startMenu/Tarnwick"
startupCopy="$startMenu/StartUp/Tarnwick.lnk"
# The same folder as the installer sees it.
windowsFolder="${programFolder#"$WINEPREFIX"/drive_c/}"
windowsFolder="C:\\${windowsFolder//\//\\}"

uninstallKey='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick'
settingsKey='HKCU\Software\Tarnwick'
approvedKey='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\StartupFolder'

query() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
# The data of one value in `reg query` output ("    Name    REG_SZ    data").
valueOf() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$2"; }
# Settings and the other keys a test starts from, in one regedit run (which wants the
# long root names).
importReg() {
  local file="$TARNWICK_SESSION_DIR/installer-test.reg"
  printf 'Windows Registry Editor Version 5.00\r\n\r\n%s\r\n' "${1//HKCU/HKEY_CURRENT_USER}" >"$file"
  wine regedit /S "$(winepath -w "$file")" </dev/null
}

silentInstall() {
  wine "$setup" /S </dev/null || fail "the silent install failed ($?)"
}

# A silent uninstaller hands over to a copy of itself in TEMP and returns at once; the
# copy removes the uninstall entry last.
silentUninstall() {
  wine "$programFolder/Uninstall.exe" /S "$@" </dev/null
  local i
  for ((i = 0; i < 100; i++)); do
    [[ -e "$programFolder" ]] || break
    sleep 0.1
  done
  for ((i = 0; i < 50; i++)); do
    query "$uninstallKey" >/dev/null || return 0
    sleep 0.1
  done
  fail "the uninstall entry is left behind"
}

checkInstalled() {
  local file
  for file in Tarnwick.exe Tarnwick.html Uninstall.exe; do
    [[ -f "$programFolder/$file" ]] || fail "$file is not in $programFolder"
  done
  cmp -s "$programFolder/Tarnwick.exe" "$builtExe" || fail "the installed exe is not the built one"
  [[ -f "$group/Tarnwick.lnk" ]] || fail "no Start Menu shortcut Tarnwick\\Tarnwick.lnk"
  [[ -f "$group/Uninstall Tarnwick.lnk" ]] || fail "no uninstall shortcut in the group"
}

checkUninstallEntry() {
  local entry size actualKiB
  entry="$(query "$uninstallKey")" || fail "no uninstall entry in HKCU"
  [[ "$(valueOf DisplayName "$entry")" == Tarnwick ]] || fail "DisplayName: $entry"
  [[ "$(valueOf DisplayVersion "$entry")" == "$version" ]] || fail "DisplayVersion: $entry"
  [[ -n "$(valueOf Publisher "$entry")" ]] || fail "no Publisher: $entry"
  [[ "$(valueOf DisplayIcon "$entry")" == "$windowsFolder\\Tarnwick.exe" ]] ||
    fail "DisplayIcon: $entry"
  [[ "$(valueOf InstallLocation "$entry")" == "$windowsFolder" ]] ||
    fail "InstallLocation is not $windowsFolder: $entry"
  [[ "$(valueOf UninstallString "$entry")" == "\"$windowsFolder\\Uninstall.exe\"" ]] ||
    fail "UninstallString: $entry"
  [[ "$(valueOf QuietUninstallString "$entry")" == "\"$windowsFolder\\Uninstall.exe\" /S" ]] ||
    fail "QuietUninstallString: $entry"
  [[ "$(valueOf NoModify "$entry")" == 0x1 && "$(valueOf NoRepair "$entry")" == 0x1 ]] ||
    fail "NoModify/NoRepair: $entry"
  # EstimatedSize is in KiB: within a few of what the folder holds.
  size="$(valueOf EstimatedSize "$entry")"
  [[ "$size" == 0x* ]] || fail "EstimatedSize is not a DWORD: $entry"
  actualKiB=$(($(du -cb "$programFolder"/* | tail -1 | cut -f1) / 1024))
  ((size >= actualKiB - 4 && size <= actualKiB + 4)) ||
    fail "EstimatedSize $((size)) KiB, the folder holds $actualKiB KiB"
  local hklm
  for hklm in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick' \
    'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Tarnwick' \
    'HKLM\Software\Tarnwick'; do
    ! query "$hklm" >/dev/null || fail "a per-user install wrote $hklm"
  done
}

# winget knows an installed package by the uninstall key's name (the manifest's product
# code) and the values under it; a manifest that names another key leaves winget unable to
# tell Tarnwick is installed, so `winget upgrade` never offers the next version.
checkWingetEntry() {
  local manifest fields entry
  manifest=("$winget"/*.installer.yaml)
  [[ -f "${manifest[0]}" ]] || fail "no winget installer manifest in $winget"
  # The product code, then the entry's DisplayName, Publisher and DisplayVersion.
  mapfile -t fields < <(python3 -c 'import sys, yaml
m = yaml.safe_load(open(sys.argv[1], encoding="utf-8"))
[e] = m["AppsAndFeaturesEntries"]
print(m["ProductCode"], e["DisplayName"], e["Publisher"], e["DisplayVersion"], sep="\n")' \
    "${manifest[0]}")
  ((${#fields[@]} == 4)) || fail "cannot read ${manifest[0]}"
  entry="$(query "${uninstallKey%\\*}\\${fields[0]}")" ||
    fail "the manifest's product code ${fields[0]} names no uninstall entry"
  [[ "$(valueOf DisplayName "$entry")" == "${fields[1]}" &&
    "$(valueOf Publisher "$entry")" == "${fields[2]}" &&
    "$(valueOf DisplayVersion "$entry")" == "${fields[3]}" ]] ||
    fail "the manifest's AppsAndFeaturesEntries (${fields[*]:1}) are not the entry: $entry"
}

# Starts the installed Tarnwick (or the exe named) in the session's desktop and waits until
# it takes messages.
running=""
startInstalled() {
  wine "${1:-$programFolder/Tarnwick.exe}" </dev/null >/dev/null 2>&1 &
  running=$!
  # shellcheck disable=SC2064 # the pid is known now
  trap "kill $running 2>/dev/null || true" EXIT
  wine "$probe" TarnwickMainWindow || fail "the installed Tarnwick never opened its window"
}

# The copy started above has ended, with exit code 0: through its own exit path.
expectClosed() {
  local i
  for ((i = 0; i < 50; i++)); do
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$running" 2>/dev/null && fail "the running Tarnwick was not closed $1"
  wait "$running" || fail "the running Tarnwick ended with exit code $? $1"
  trap - EXIT
}

upgrade() {
  wine reg delete "$settingsKey" /f </dev/null >/dev/null 2>&1 || true
  silentInstall
  checkInstalled
  checkUninstallEntry
  checkWingetEntry

  # An older copy runs, hidden in the tray, with settings of its own. Trailing bytes make
  # it differ from the new exe without changing what runs.
  printf 'older' >>"$programFolder/Tarnwick.exe"
  importReg "$(printf '%s\r\n' "[$settingsKey\\startup]" '"minimize"="1"' '' \
    "[$settingsKey\\Delay]" '"Interval"="400"')"
  startInstalled
  # Taken once it runs: start-up writes back some of what it read.
  local before after
  before="$(query "$settingsKey" /s)"

  silentInstall
  expectClosed "by the installer"
  checkInstalled
  after="$(query "$settingsKey" /s)"
  [[ "$after" == "$before" ]] || fail "settings changed: before:$before after:$after"
  wine reg delete "$settingsKey" /f </dev/null >/dev/null 2>&1 || true
}

uninstall() {
  silentInstall
  # Launch at log-on's copy and Task Manager's record of it, and one of another program.
  mkdir -p "$(dirname "$startupCopy")"
  cp "$group/Tarnwick.lnk" "$startupCopy"
  importReg "$(printf '%s\r\n' "[$settingsKey\\startup]" '"minimize"="1"' '' \
    "[$approvedKey]" '"Tarnwick.lnk"=hex:03,00,00,00,00,00,00,00,00,00,00,00' \
    '"Other.lnk"=hex:02,00,00,00,00,00,00,00,00,00,00,00')"

  startInstalled
  silentUninstall
  expectClosed "by the uninstaller"
  [[ ! -e "$programFolder" ]] || fail "the program folder is left behind: $(ls "$programFolder")"
  [[ ! -e "$group" ]] || fail "the Start Menu group is left behind: $(ls "$group")"
  [[ ! -e "$startupCopy" ]] || fail "the StartUp copy is left behind"
  local approved
  approved="$(query "$approvedKey")"
  grep -q Tarnwick.lnk <<<"$approved" && fail "the StartupApproved value is left behind"
  grep -q Other.lnk <<<"$approved" || fail "another program's StartupApproved value went too"
  [[ "$(valueOf minimize "$(query "$settingsKey\\startup")")" == 1 ]] ||
    fail "a plain uninstall removed the settings"

  silentInstall
  silentUninstall /REMOVESETTINGS
  [[ ! -e "$programFolder" ]] || fail "the program folder is left behind after /REMOVESETTINGS"
  ! query "$settingsKey" >/dev/null || fail "/REMOVESETTINGS left the settings"

  # A portable copy, ticked to start at log-on, renews its own entry as it starts. Installing
  # and uninstalling leave it running (it holds no installed file) and its entry stays.
  local portable="$profile/Tools/Tarnwick portable" i
  mkdir -p "$portable"
  cp "$builtExe" "$portable/Tarnwick.exe"
  silentInstall
  importReg "$(printf '%s\r\n' "[$settingsKey\\startup]" '"minimize"="1"' '"windows"="1"')"
  startInstalled "$portable/Tarnwick.exe"
  for ((i = 0; i < 50; i++)); do [[ -f "$startupCopy" ]] && break; sleep 0.1; done
  [[ -f "$startupCopy" ]] || fail "the portable copy wrote no log-on entry"
  silentInstall
  # Either would have waited for the window to go.
  wine "$probe" TarnwickMainWindow 1000 || fail "the installer closed the portable copy"
  silentUninstall /REMOVESETTINGS
  wine "$probe" TarnwickMainWindow 1000 || fail "the uninstaller closed the portable copy"
  [[ -f "$startupCopy" ]] || fail "the uninstaller removed the portable copy's log-on entry"
  kill "$running"
  wait "$running" || true
  trap - EXIT
  rm -rf "$profile/Tools" "$startupCopy"
}

case "$stage" in
  upgrade | uninstall) "$stage" ;;
  *) fail "unknown stage $stage" ;;
esac
echo "installer test: $stage passed"
