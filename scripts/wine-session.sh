#!/usr/bin/env bash
# Runs one command inside a Wine session: fresh prefix copy, Xvfb when there is no
# display, one persistent wineserver; everything is torn down afterwards.
#   scripts/wine-session.sh ctest --preset windows
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
trap tarnwick_wine_down EXIT
tarnwick_wine_up
set +e
"$@"
status=$?
set -e
exit "$status"
