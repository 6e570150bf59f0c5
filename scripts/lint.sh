#!/usr/bin/env bash
# Formatting, cppcheck and clang-tidy over the project's own sources. clang-tidy reads the
# native build's compile_commands.json, so run the native configure first (make lint does).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h' | grep -v '^build/')
failed=()

# A merge that left its conflict markers behind fails here, wherever they are.
echo "lint: conflict markers"
if git grep -nE '^(<<<<<<<|>>>>>>>)( |$)|^=======$' -- . ':!*.png' ':!*.ico' ':!fuzz/corpus' ':!fuzz/regressions'; then
  failed+=(conflict-markers)
fi

echo "lint: clang-format on ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}" || failed+=(clang-format)

echo "lint: cppcheck"
cppcheck --quiet --error-exitcode=1 --std=c++20 --language=c++ -I . \
  --enable=warning,performance,portability --inline-suppr --library=googletest --library=windows \
  --suppress=missingIncludeSystem --suppress='*:/usr/*' \
  common seam hotkeys backend sim win32 app focus cursor bench tests installer fuzz || failed+=(cppcheck)

echo "lint: clang-tidy"
mapfile -t native < <(git ls-files 'common/*.cpp' 'app/*.cpp' 'focus/*.cpp' 'hotkeys/*.cpp' 'cursor/*.cpp' 'seam/*.cpp' \
  'backend/*.cpp' \
  'sim/*.cpp' 'tests/sim/*.cpp' 'bench/*.cpp' 'fuzz/checks/*.cpp')
if ! run-clang-tidy -quiet -p build/native -j "$(nproc)" "${native[@]}" >build/clang-tidy.log 2>&1; then
  grep -E "warning:|error:" build/clang-tidy.log | sort -u >&2
  failed+=(clang-tidy)
fi

if ((${#failed[@]} > 0)); then
  echo "lint: failed: ${failed[*]}" >&2
  exit 1
fi
echo "lint: clean"
