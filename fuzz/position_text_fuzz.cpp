// PositionText and ParsePositionText; see fuzz/checks/checks.h.
#include "fuzz/checks/checks.h"
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarnwick::fuzz::RunCheck(tarnwick::fuzz::CheckPositionText, data, size);
}
