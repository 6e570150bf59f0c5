# Entry points for building, running and testing Tarnwick. Each target installs what is
# missing first (scripts/install-deps.sh does nothing when all is there).
SHELL := /bin/bash
.ONESHELL:
.SHELLFLAGS := -euo pipefail -c

EXE := build/windows/win32/Tarnwick.exe

.PHONY: deps native windows dist run test check native-test win32-test e2e-test lint fuzz soak endurance screenshot bench clean

deps:
	scripts/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native

windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows

# build/dist/TarnwickSetup-<version>.exe and Tarnwick-<version>-portable.zip (the program
# and its help page), their SHA256SUMS, and in build/dist/packaging/ the winget and Scoop
# manifests for them; CMake holds the version, CHANGELOG.md the release notes.
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

# The README's pictures: the main window, then the Options window, opened by the end-to-end
# driver as a user would. Each is taken again when a source that lays out or captions its
# window is newer than the picture: an edit or a merge that changes a window leaves its
# source newer, so the pictures follow every layout change and cost nothing otherwise.
# FORCE=1 takes both anyway.
MAIN_WINDOW_SOURCES := $(wildcard win32/form_layout.* win32/menu_bar.* app/captions.h \
  app/controls.h app/options_store.cpp)
OPTIONS_WINDOW_SOURCES := $(wildcard win32/options_dialog.* win32/hotkey_value.*)
screenshot: windows
	$(MAKE) --no-print-directory $(if $(FORCE),-B) docs/main-window.png docs/options-window.png

docs/main-window.png: $(MAIN_WINDOW_SOURCES) scripts/screenshot.sh
	TARNWICK_FORCE_XVFB=1 scripts/screenshot.sh "$(EXE)" $@

docs/options-window.png: $(OPTIONS_WINDOW_SOURCES) scripts/screenshot.sh
	TARNWICK_SHOT_OPTIONS=build/windows/tests/e2e/tarnwick_e2e.exe \
	  scripts/screenshot.sh "$(EXE)" $@

native-test: native
	ctest --preset native

# One Xvfb display and one wineserver for the whole Windows run.
win32-test: windows
	TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh ctest --preset windows --label-exclude e2e

e2e-test: windows
	TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh ctest --preset windows --label-regex e2e

# Every tier: the simulated desktop natively, then everything Windows (backend and
# end-to-end) under one Xvfb display, one prefix and one wineserver. A Windows case that
# fails runs up to twice more: under Wine a real window can miss a deadline, and Wine now and
# then shows a cursor position it already left; neither may fail the suite. A fault fails thrice.
test: native windows
	ctest --preset native
	TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh ctest --preset windows --repeat until-pass:3

# The seeded simulation for as long as asked: SEEDS seeds of HOURS virtual hours each, or
# one seed again with SEED=n (a failure prints the seed to replay).
SEEDS ?= 20
HOURS ?= 8
soak: native
	if [[ -n "$${SEED:-}" ]]; then
	  build/native/tests/sim/soak --seed "$(SEED)" --hours "$(HOURS)"
	else
	  build/native/tests/sim/soak --seeds "$(SEEDS)" --hours "$(HOURS)"
	fi

# The full endurance run under Wine: ten rounds, 2,000 toggles, the live objects counted.
endurance: windows
	TARNWICK_ENDURANCE_ROUNDS=10 TARNWICK_FORCE_XVFB=1 scripts/wine-session.sh \
	  ctest --preset windows -R e2e_Endurance --output-on-failure

# The tiers plus the linters (clang-tidy takes a minute or so).
check: test lint

lint: native
	scripts/lint.sh

# libFuzzer (clang, ASan, UBSan) on the number, position and chord texts and on start-up
# over a spoilt store: FUZZ_SECONDS per target, one target at a time, then a table of runs.
# Never part of `make test`; what it finds goes to fuzz/regressions/, which the native
# tests replay.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/install-deps.sh fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh

# Benchmarks, never part of `make test`: one unchanged poll tick on the simulated desktop,
# then Tarnwick against a do-nothing program with the same timers, and at rest also against
# the floor, that program with no timer at all, under Wine (CPU at rest, idle, moving and in
# hover waits, memory, start-up and activation latency; about six minutes, IDLE_SECONDS=10
# for a quick run).
bench: native windows
	build/native/bench/poll_benchmark
	bench/cpu-benchmark.sh

clean:
	rm -rf build
