#pragma once

namespace tarnwick {

// An invariant that must never break did. Debug and sanitizer builds stop at once, so the
// fault is found where it happens. The Release program that users run records it (a count,
// and a report the backend routes to the debugger) and carries on: stopping inside a
// window procedure would lose more than the broken invariant does.
void InvariantBroken(const char* what, const char* file, int line);

// How many invariants broke since start; the live-object report answers it.
int BrokenInvariantCount();

// Where a Release build reports a broken invariant; nothing by default.
using InvariantReporter = void (*)(const char* report);
void SetInvariantReporter(InvariantReporter reporter);

}  // namespace tarnwick

// Checks `condition` in every build; `what` says what must hold.
#define TARNWICK_CHECK(condition, what) \
  ((condition) ? static_cast<void>(0) : ::tarnwick::InvariantBroken((what), __FILE__, __LINE__))
