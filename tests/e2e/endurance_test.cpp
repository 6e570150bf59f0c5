// Hours of use in a minute: thousands of toggles, minimise and restore cycles, wraps, parks
// and Options windows, and what the program holds afterwards (its own count of icons, menus,
// fonts, brushes, windows and hooks, and the memory of its process) is what it held before.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "fixture.h"
#include "win32/live_objects.h"
#include "win32/private_messages.h"
// After <windows.h>, which the headers above bring.
// clang-format off
#include <psapi.h>
// clang-format on

namespace tarnwick::e2e {
namespace {

using win32::kLiveObjectsMessage;
using win32::kObjectKindCount;

constexpr const char* kKindNames[] = {"icons", "menus", "fonts", "brushes", "windows", "hooks"};
static_assert(std::size(kKindNames) == kObjectKindCount);

// Growth of the process's memory that counts as flat: the allocator and Wine keep a little
// more now and then, a leak of a toggle's worth of objects would be far more.
constexpr SIZE_T kMemoryToleranceBytes = 2 * 1024 * 1024;

struct Snapshot {
  std::vector<long> objects;
  // Wine fills in only the working set (the process's resident memory) for another process;
  // Windows gives the private bytes too.
  SIZE_T privateBytes = 0;
  SIZE_T workingSetBytes = 0;
};

class Endurance : public TarnwickCase {
 protected:
  Snapshot Take() {
    Snapshot snapshot;
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
      DWORD_PTR live = 0;
      if (!SendMessageTimeoutW(Program().MainWindow(), kLiveObjectsMessage,
                               static_cast<WPARAM>(kind), 0, SMTO_ABORTIFHUNG, 5000, &live)) {
        live = static_cast<DWORD_PTR>(-2);
      }
      snapshot.objects.push_back(static_cast<long>(live));
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (K32GetProcessMemoryInfo(Program().Process(),
                                reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                                sizeof(memory))) {
      snapshot.privateBytes = memory.PrivateUsage;
      snapshot.workingSetBytes = memory.WorkingSetSize;
    }
    return snapshot;
  }

  static std::string Describe(const Snapshot& snapshot) {
    std::string text;
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
      text += std::to_string(snapshot.objects[kind]) + " " + kKindNames[kind] + ", ";
    }
    return text + "private " + std::to_string(snapshot.privateBytes / 1024) + " KiB, working set " +
           std::to_string(snapshot.workingSetBytes / 1024) + " KiB";
  }

  // The Ctrl+Shift+F press as the hook reports it, sent so that it is handled before the
  // next one goes: a posted flood would only measure the queue.
  bool Toggle() {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(Program().MainWindow(), win32::kKeyPressMessage, 'F', 3,
                               SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
  }

  bool MinimiseAndRestore() {
    HWND main = Program().MainWindow();
    ClickButton(Program().Control(ControlKind::kPushButton, L"&Minimize"));
    if (!WaitUntil([&] { return !IsWindowVisible(main); }, 5000ms)) return false;
    DWORD_PTR shown = 0;
    SendMessageTimeoutW(main, win32::kShowYourselfMessage, 0, 0, SMTO_ABORTIFHUNG, 5000, &shown);
    return shown == 1 && WaitUntil([&] { return IsWindowVisible(main); }, 5000ms);
  }

  // The cursor rested during the steps before and was parked: the first movement brings it
  // back where it was, and only then is a push a push.
  static bool Unpark() {
    // Back means clear of the corner: the nudge alone moves it only a pixel or two.
    const auto back = [] { return CursorPosition().x < 780 || CursorPosition().y < 580; };
    for (int attempt = 0; attempt < 5 && !back(); ++attempt) {
      MoveBy(-2, -2);  // a hand's nudge: a program's jump would leave it where it put it
      WaitUntil(back, 1000ms);
    }
    return back();
  }

  // Pushed against the left edge, the cursor comes out at the right one. Resting between
  // two pushes, it may be parked just as the next push comes; then that push only brings it
  // back, and the hand pushes again.
  static bool Wrap(int y) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!Unpark()) return false;
      JumpCursor({0, y});
      if (WaitForCursor({798, y}, 2000ms)) return true;
    }
    std::fprintf(stderr, "e2e: pushed to 0,%d; the cursor is at %ld,%ld\n", y, CursorPosition().x,
                 CursorPosition().y);
    return false;
  }

  // File > Options... with the keyboard, then Esc: the window opens and goes.
  bool OpenAndCloseOptions() {
    HWND options = OpenOptionsFromMenu(Program().MainWindow());
    if (options == nullptr) return false;
    PressKey(VK_ESCAPE);
    return WaitUntil([&] { return OptionsWindowOf(Program().Id()) == nullptr; }, 5000ms);
  }

  // Left alone for the idle delay, the cursor goes to the corner; a nudge brings it back.
  static bool ParkAndReturn(int y) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (!Unpark()) return false;
      JumpCursor({300, y});
      if (!WaitForCursor({799, 599}, 5000ms)) continue;
      for (int nudge = 0; nudge < 5; ++nudge) {
        MoveBy(-2, -2);
        if (WaitForCursor({300, y}, 1000ms)) return true;
      }
    }
    std::fprintf(stderr, "e2e: rested at 300,%d; the cursor is at %ld,%ld\n", y, CursorPosition().x,
                 CursorPosition().y);
    return false;
  }
};

TEST_F(Endurance, ThousandsOfTogglesCyclesWrapsAndParksLeaveNothingBehind) {
  WriteSetting(L"startup", L"mousewrap", L"1");
  WriteSetting(L"startup", L"idel", L"1");
  ASSERT_TRUE(Launch());
  // Parked after half a second of rest rather than five: many parks in little time.
  ASSERT_TRUE(ReplaceEditText(EditInFrame(Program().MainWindow(), L"Auto Hide "), L"0.5", false));

  struct Step {
    const char* name;
    int perRound;
    std::function<bool(int)> once;
    int done = 0;
    std::chrono::duration<double> spent{};
  };
  std::vector<Step> steps = {
      {"toggle", 200, [this](int) { return Toggle(); }},
      {"minimise and restore", 5, [this](int) { return MinimiseAndRestore(); }},
      {"wrap", 4, [](int i) { return Wrap(100 + i % 300); }},
      {"park", 1, [](int i) { return ParkAndReturn(150 + i % 200); }},
      {"Options window", 1, [this](int) { return OpenAndCloseOptions(); }},
  };
  // Three rounds in every test run (600 toggles: a leak shows between the first and the
  // last); `make endurance` runs ten, 2,000 toggles, through TARNWICK_ENDURANCE_ROUNDS.
  const char* roundsText = std::getenv("TARNWICK_ENDURANCE_ROUNDS");
  const int kRounds = roundsText != nullptr ? std::max(2, std::atoi(roundsText)) : 3;
  const auto runRound = [&] {
    for (Step& step : steps) {
      const auto begun = std::chrono::steady_clock::now();
      for (int i = 0; i < step.perRound; ++i) {
        ASSERT_TRUE(step.once(step.done)) << step.name << " number " << step.done + 1;
        ++step.done;
      }
      step.spent += std::chrono::steady_clock::now() - begun;
    }
  };

  const auto started = std::chrono::steady_clock::now();
  const Snapshot atStart = Take();
  runRound();  // the first round warms every cache (icons of both pictures, the tray's)
  ASSERT_FALSE(HasFatalFailure());
  const Snapshot baseline = Take();
  for (int round = 1; round < kRounds && !HasFatalFailure(); ++round) runRound();
  ASSERT_FALSE(HasFatalFailure());
  const Snapshot end = Take();
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started);

  std::fprintf(stderr, "e2e: at the start:   %s\n", Describe(atStart).c_str());
  std::fprintf(stderr, "e2e: after round 1: %s\n", Describe(baseline).c_str());
  std::fprintf(stderr, "e2e: after round %d: %s\n", kRounds, Describe(end).c_str());
  for (const Step& step : steps) {
    std::fprintf(stderr, "e2e: %d x %s in %.1f s\n", step.done, step.name, step.spent.count());
  }
  std::fprintf(stderr, "e2e: %.1f s in all\n", seconds.count());
  EXPECT_EQ(steps[0].done, 200 * kRounds);
  EXPECT_EQ(end.objects, baseline.objects);
  EXPECT_EQ(end.objects[static_cast<int>(win32::ObjectKind::kHook)], 1);
  EXPECT_LE(end.privateBytes, baseline.privateBytes + kMemoryToleranceBytes);
  EXPECT_LE(end.workingSetBytes, baseline.workingSetBytes + kMemoryToleranceBytes);
  EXPECT_EQ(EnableCaption(), L"&Enabled") << "an even number of toggles";
  DWORD_PTR broken = 1;
  ASSERT_TRUE(SendMessageTimeoutW(Program().MainWindow(), kLiveObjectsMessage,
                                  static_cast<WPARAM>(win32::kBrokenInvariantsQuery), 0,
                                  SMTO_ABORTIFHUNG, 5000, &broken));
  EXPECT_EQ(broken, 0U) << "the Release program records every broken invariant";
}

}  // namespace
}  // namespace tarnwick::e2e
