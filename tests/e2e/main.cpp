// The end-to-end driver: a separate Windows process that drives the real Tarnwick.exe.
//   tarnwick_e2e.exe --tarnwick=<path of Tarnwick.exe> [--helper=<path of tarnwick_e2e_helper.exe>]
//                    [--gtest_filter=...]
//   tarnwick_e2e.exe --open-options
//     runs no test: opens the Options window of the Tarnwick that runs already, as a user
//     would, and prints where it lies on the screen as WIDTHxHEIGHT+LEFT+TOP (for the
//     screenshot in the docs).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "desktop.h"
#include "helper_program.h"

namespace {

int OpenOptionsOfRunningTarnwick() {
  using namespace tarnwick::e2e;
  HWND main = nullptr;
  WaitUntil([&] { return (main = FindWindowW(L"TarnwickMainWindow", nullptr)) != nullptr; });
  HWND options = main ? OpenOptionsFromMenu(main) : nullptr;
  if (!options) {
    std::fprintf(stderr, "tarnwick_e2e: no Options window opened\n%s", DescribeDesktop().c_str());
    return 1;
  }
  Pause(std::chrono::milliseconds(500));  // for the window to paint
  RECT rect{};
  GetWindowRect(options, &rect);
  std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left,
              rect.top);
  return 0;
}

}  // namespace

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
    } else if (argument == L"--open-options") {
      return OpenOptionsOfRunningTarnwick();
    }
  }
  if (tarnwick::e2e::TarnwickPath().empty()) {
    std::fprintf(stderr, "usage: tarnwick_e2e --tarnwick=PATH_OF_TARNWICK_EXE\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
