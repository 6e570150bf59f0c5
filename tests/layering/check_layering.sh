#!/usr/bin/env bash
# Fails when the plain layers reach for the system, or when an include runs upward.
# The layers, lowest first: common/ and seam/ (interfaces and plain pieces), then the
# features focus/ and cursor/, then app/ (the form that composes them); sim/ and win32/
# are backends, and only win32/ may see the system.
set -u
root=${1:?source root}
cd "$root" || exit 2
failed=0

pattern='#include *[<"](windows|winuser|windef|shellapi|shlobj|commctrl|winreg|winbase)\.h[>"]|\bHWND\b|\bLPARAM\b|\bWPARAM\b'
found=$(grep -rnE "$pattern" common seam sim focus cursor app 2>/dev/null)
if [ -n "$found" ]; then
  echo "system code outside win32/:"
  echo "$found"
  failed=1
fi

# folder: the folders its files may include from
declare -A allowed=(
  [common]="common"
  [seam]="common seam"
  [focus]="common seam focus cursor"
  [cursor]="common seam cursor"
  [app]="common seam focus cursor app"
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
