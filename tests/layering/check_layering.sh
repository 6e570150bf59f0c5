#!/usr/bin/env bash
# Fails when the plain layers reach for the system, or when an include runs upward.
# The layers, lowest first: common/ (plain pieces) and seam/ (the system's interfaces), then
# hotkeys/, then the features focus/ and cursor/, then app/ (the form that composes them);
# sim/ and win32/ are backends, only win32/ may see the system, and backend/ holds win32/'s
# plain rules, for win32/ and the tests alone.
set -u
root=${1:?source root}
cd "$root" || exit 2
failed=0

pattern='#include *[<"](windows|winuser|windef|shellapi|shlobj|commctrl|winreg|winbase)\.h[>"]|\bHWND\b|\bLPARAM\b|\bWPARAM\b'
found=$(grep -rnE "$pattern" common seam sim hotkeys focus cursor app backend 2>/dev/null)
if [ -n "$found" ]; then
  echo "system code outside win32/:"
  echo "$found"
  failed=1
fi

# folder: the folders its files may include from
declare -A allowed=(
  [common]="common"
  [seam]="common seam"
  [hotkeys]="common hotkeys"
  [backend]="common seam backend"
  [focus]="common seam hotkeys focus cursor"
  [cursor]="common seam cursor"
  [app]="common seam hotkeys focus cursor app"
  [sim]="common seam sim"
)
for folder in "${!allowed[@]}"; do
  while IFS= read -r line; do
    included=${line#*#include \"}
    top=${included%%/*}
    case " ${allowed[$folder]} " in
      *" $top "*) ;;
      *)
        echo "upward include in $folder/: $line"
        failed=1
        ;;
    esac
  done < <(grep -rnE '#include "[A-Za-z0-9_]+/' "$folder")
done

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "layering clean"
