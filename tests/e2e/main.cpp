// The end-to-end driver: a separate Windows process that drives the real Tarnwick.exe.
//   tarnwick_e2e.exe --tarnwick=<path of Tarnwick.exe> [--helper=<path of tarnwick_e2e_helper.exe>]
//                    [--gtest_filter=...]
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "desktop.h"
#include "helper_program.h"

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  constexpr std::wstring_view kOption = L"--tarnwick=";
  constexpr std::wstring_view kHelperOption = L"--helper=";
  for (int index = 1; index < argc; ++index) {
    const std::wstring_view argument = argv[index];
    if (argument.starts_with(kOption)) {
      tarnwick::e2e::SetTarnwickPath(std::wstring(argument.substr(kOption.size())));
    } else if (argument.starts_with(kHelperOption)) {
      tarnwick::e2e::SetHelperPath(std::wstring(argument.substr(kHelperOption.size())));
    }
  }
  if (tarnwick::e2e::TarnwickPath().empty()) {
    std::fprintf(stderr, "usage: tarnwick_e2e --tarnwick=PATH_OF_TARNWICK_EXE\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
