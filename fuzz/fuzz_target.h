#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tarnwick::fuzz {

// Runs one check on libFuzzer's input; a broken property aborts, so that libFuzzer keeps
// the input as a crash and prints what broke.
inline int RunCheck(std::string (*check)(std::string_view), const std::uint8_t* data,
                    std::size_t size) {
  const std::string broken = check({reinterpret_cast<const char*>(data), size});
  if (broken.empty()) return 0;
  std::fprintf(stderr, "broken property: %s\n", broken.c_str());
  std::abort();
}

}  // namespace tarnwick::fuzz
