#!/usr/bin/env bash
# CMake's emulator for cross-built executables. Inside a session it is plain `wine`;
# outside one it opens a session of its own, so a lone `ctest` still works (slowly).
set -euo pipefail
if [[ -z "${TARNWICK_WINE_SESSION:-}" ]]; then
  exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" "$0" "$@"
fi
exec wine "$@"
