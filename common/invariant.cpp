#include "common/invariant.h"

#include <cstdio>
#include <cstdlib>

namespace tarnwick {
namespace {

int brokenCount = 0;
InvariantReporter reporter = nullptr;

}  // namespace

void InvariantBroken(const char* what, const char* file, int line) {
  ++brokenCount;
  char report[512];
  std::snprintf(report, sizeof report, "Tarnwick: broken invariant at %s:%d: %s\n", file, line,
                what);
#ifdef NDEBUG
  if (reporter != nullptr) reporter(report);
#else
  std::fputs(report, stderr);
  std::abort();
#endif
}

int BrokenInvariantCount() {
  return brokenCount;
}

void SetInvariantReporter(InvariantReporter newReporter) {
  reporter = newReporter;
}

}  // namespace tarnwick
