// ParseNumber, ToInt16, ToInt32 and ParseCheckValue; see fuzz/checks/checks.h.
#include "fuzz/checks/checks.h"
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarnwick::fuzz::RunCheck(tarnwick::fuzz::CheckNumberText, data, size);
}
