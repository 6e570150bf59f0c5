# Entry points for building, running and testing Tarnwick. Each target installs what is
# missing first (scripts/install-deps.sh does nothing when all is there).
SHELL := /bin/bash
.ONESHELL:
.SHELLFLAGS := -euo pipefail -c

EXE := build/windows/platform/win32/Tarnwick.exe

.PHONY: deps native windows dist run test check native-test win32-test e2e-test lint screenshot clean

deps:
	scripts/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows

# build/dist/TarnwickSetup-<version>.exe and Tarnwick-<version>-portable.zip (the program
# and its help page); CMake holds the version.
dist: windows
	cmake --build --preset windows --target dist

# With a display the program runs in the session's 800x600 Wine virtual desktop (opened by
# `wine explorer /desktop=Tarnwick,800x600`) until it is closed;
# without one it runs under Xvfb for a few seconds and leaves build/screenshot.png.
run: windows
	if [[ -n "$${DISPLAY:-}" ]]; then
	  scripts/wine-session.sh wine "$(EXE)"
	else
	  scripts/screenshot.sh "$(EXE)" build/screenshot.png
	fi

# The main window, then the Options window, opened by the end-to-end driver as a user would.
screenshot: windows
	TARNWICK_FORCE_XVFB=1 scripts/screenshot.sh "$(EXE)" docs/main-window.png
	TARNWICK_SHOT_OPTIONS=build/windows/tests/e2e/tarnwick_e2e.exe \
	  scripts/screenshot.sh "$(EXE)" docs/options-window.png

native-test: native
	ctest --preset native

# One Xvfb display and one wineserver for the whole Windows run.
win32-test: windows
	TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh ctest --preset windows --label-exclude e2e

e2e-test: windows
	TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh ctest --preset windows --label-regex e2e

# Every tier: the simulated desktop natively, then everything Windows (backend and
# end-to-end) under one Xvfb display, one prefix and one wineserver.
test: native windows
	ctest --preset native
	TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh ctest --preset windows

# The tiers plus the linters (clang-tidy takes a minute or so).
check: test lint

lint: native
	scripts/lint.sh

clean:
	rm -rf build
