#include "backend/foreground_activation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick {
namespace {

constexpr ThreadId kOwnThread = 1;
constexpr WindowHandle kForeground = 100, kTarget = 200;

// A window manager with Windows' foreground lock: plain calls are refused until the
// configured stage of the fallback is reached.
class LockedDesktop : public ForegroundPrimitives {
 public:
  enum class Grants { kPlainCall, kAfterEmptyInput, kWhenAttached, kNever };
  Grants grants = Grants::kPlainCall;
  WindowHandle foreground = kForeground;
  std::map<WindowHandle, ThreadId> threads{{kForeground, 2}, {kTarget, 3}};
  std::vector<WindowHandle> hung;
  std::vector<std::string> calls;
  int attached = 0;

  bool SetForeground(WindowHandle window) override {
    calls.push_back("set");
    if (!Granted()) return false;
    // Like Windows, the switch lands once the target's thread handles it: later.
    if (switchesLater) {
      pendingForeground = window;
    } else {
      foreground = window;
    }
    return true;
  }
  bool switchesLater = false;
  WindowHandle pendingForeground = kNoWindow;
  WindowHandle Foreground() override { return foreground; }
  bool IsHung(WindowHandle window) override {
    return std::find(hung.begin(), hung.end(), window) != hung.end();
  }
  ThreadId WindowThread(WindowHandle window) override {
    auto found = threads.find(window);
    return found == threads.end() ? 0 : found->second;
  }
  ThreadId CurrentThread() override { return kOwnThread; }
  bool AttachInput(ThreadId from, ThreadId to, bool attach) override {
    calls.push_back((attach ? "attach " : "detach ") + std::to_string(from) + "-" +
                    std::to_string(to));
    attached += attach ? 1 : -1;
    return true;
  }
  void SendEmptyMouseInput() override {
    calls.push_back("mouse");
    sentInput_ = true;
    ++inputTime;  // Windows counts injected input as the user's
  }
  std::uint32_t LastInputTime() override { return inputTime; }
  std::uint32_t inputTime = 1000;
  // Time moves on here only with input, so an injected event is stamped a moment after now.
  std::uint32_t Now() override { return inputTime; }
  std::vector<WindowHandle> elevated;
  bool IsElevated(WindowHandle window) override {
    return std::find(elevated.begin(), elevated.end(), window) != elevated.end();
  }
  void BringToTop(WindowHandle) override { calls.push_back("top"); }

 private:
  bool Granted() const {
    switch (grants) {
      case Grants::kPlainCall:
        return true;
      case Grants::kAfterEmptyInput:
        return sentInput_;
      case Grants::kWhenAttached:
        return attached > 0;
      case Grants::kNever:
        return false;
    }
    return false;
  }
  bool sentInput_ = false;
};

using Grants = LockedDesktop::Grants;
using Calls = std::vector<std::string>;

// One activation by a fresh activator, as the first request for a window is.
bool ActivateWindow(LockedDesktop& desktop, WindowHandle target) {
  ForegroundActivator activator(desktop);
  return activator.Activate(target);
}

TEST(ForegroundActivation, PlainCallThatWorksNeedsNoFallback) {
  LockedDesktop desktop;
  EXPECT_TRUE(ActivateWindow(desktop, kTarget));
  EXPECT_EQ(desktop.calls, Calls{"set"});
}

TEST(ForegroundActivation, WindowAlreadyInFrontIsLeftAlone) {
  LockedDesktop desktop;
  desktop.grants = Grants::kNever;
  desktop.foreground = kTarget;
  EXPECT_TRUE(ActivateWindow(desktop, kTarget));
  EXPECT_TRUE(desktop.calls.empty()) << "no call, and above all no injected input";
}

TEST(ForegroundActivation, RefusedPlainCallIsRetriedAfterAnEmptyInputEvent) {
  LockedDesktop desktop;
  desktop.grants = Grants::kAfterEmptyInput;
  EXPECT_TRUE(ActivateWindow(desktop, kTarget));
  EXPECT_EQ(desktop.calls, (Calls{"set", "mouse", "set"}));
}

TEST(ForegroundActivation, LastResortJoinsInputQueuesAndAlwaysLeavesThem) {
  LockedDesktop desktop;
  desktop.grants = Grants::kWhenAttached;
  EXPECT_TRUE(ActivateWindow(desktop, kTarget));
  EXPECT_EQ(desktop.foreground, kTarget);
  EXPECT_EQ(desktop.calls, (Calls{"set", "mouse", "set", "attach 1-2", "attach 2-3", "set", "top",
                                  "detach 2-3", "detach 1-2"}));

  LockedDesktop refusing;
  refusing.grants = Grants::kNever;
  EXPECT_FALSE(ActivateWindow(refusing, kTarget));
  EXPECT_EQ(refusing.attached, 0) << "a refusal must not leave queues joined";
  EXPECT_EQ(refusing.foreground, kForeground);
}

TEST(ForegroundActivation, NeverJoinsAHungOrOwnThread) {
  LockedDesktop hungTarget;
  hungTarget.grants = Grants::kNever;
  hungTarget.hung = {kTarget};
  EXPECT_FALSE(ActivateWindow(hungTarget, kTarget));
  EXPECT_EQ(hungTarget.calls, Calls{"set"});

  LockedDesktop hungForeground;
  hungForeground.grants = Grants::kNever;
  hungForeground.hung = {kForeground};
  ActivateWindow(hungForeground, kTarget);
  for (const auto& call : hungForeground.calls) EXPECT_EQ(call.find("attach"), std::string::npos);

  LockedDesktop ownForeground;
  ownForeground.grants = Grants::kWhenAttached;
  ownForeground.threads[kForeground] = kOwnThread;
  EXPECT_TRUE(ActivateWindow(ownForeground, kTarget));
  EXPECT_EQ(ownForeground.calls,
            (Calls{"set", "mouse", "set", "attach 1-3", "set", "top", "detach 1-3"}));
}

TEST(ForegroundActivation, MissingWindowsAreRefusedWithoutFallback) {
  LockedDesktop desktop;
  EXPECT_FALSE(ActivateWindow(desktop, kNoWindow));
  EXPECT_TRUE(desktop.calls.empty());

  desktop.grants = Grants::kNever;
  EXPECT_FALSE(ActivateWindow(desktop, 999)) << "a closed window has no thread to join";
  EXPECT_EQ(desktop.calls, Calls{"set"});
}

TEST(ForegroundActivation, ARefusingWindowGetsTheFallbackOncePerSpellOfUserInput) {
  LockedDesktop desktop;
  desktop.grants = Grants::kNever;
  ForegroundActivator activator(desktop);
  // A pin asked for every 250 ms for a minute, the user away from the keyboard.
  for (int tick = 0; tick < 240; ++tick) EXPECT_FALSE(activator.Activate(kTarget));
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "mouse"), 1)
      << "injected input would keep the screen saver and the lock away";
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "attach 1-2"), 1);
  EXPECT_EQ(desktop.attached, 0);

  // The user comes back and touches the mouse: one more try, then quiet again.
  desktop.inputTime += 5000;
  desktop.calls.clear();
  for (int tick = 0; tick < 8; ++tick) activator.Activate(kTarget);
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "mouse"), 1);

  // Another window is a request of its own.
  desktop.threads[300] = 4;
  desktop.calls.clear();
  activator.Activate(300);
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "mouse"), 1);
}

TEST(ForegroundActivation, AFallbackThatTheSystemDroppedIsNotRepeatedEither) {
  // With an elevated window in front, injected input vanishes without a trace: the input
  // time does not move, and that must not read as "the user is active".
  class DroppingDesktop : public LockedDesktop {
   public:
    void SendEmptyMouseInput() override { calls.push_back("mouse"); }
  } desktop;
  desktop.grants = Grants::kNever;
  ForegroundActivator activator(desktop);
  for (int tick = 0; tick < 20; ++tick) activator.Activate(kTarget);
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "mouse"), 1);
}

TEST(ForegroundActivation, AnAcceptedRequestNeedsNoFallbackThoughTheSwitchLandsLater) {
  LockedDesktop desktop;
  desktop.switchesLater = true;
  EXPECT_TRUE(ActivateWindow(desktop, kTarget));
  EXPECT_EQ(desktop.calls, Calls{"set"}) << "no injected input for an activation under way";
  EXPECT_EQ(desktop.pendingForeground, kTarget);
}

long Count(const Calls& calls, const std::string& call) {
  return std::count(calls.begin(), calls.end(), call);
}

// On Windows the input time may show an injected event only at a later read. Read after
// the injection, it then looks like the user's own input at every tick.
TEST(ForegroundActivation, OurOwnLateLandingInputIsNotTakenForTheUsers) {
  class LateDesktop : public LockedDesktop {
   public:
    std::uint32_t clock = 50000;
    std::optional<std::uint32_t> landing;
    std::uint32_t Now() override { return clock; }
    void SendEmptyMouseInput() override {
      calls.push_back("mouse");
      landing = clock + 2;
      readsUntilLanding = 2;  // the read right after still shows the old time
    }
    std::uint32_t LastInputTime() override {
      if (landing && --readsUntilLanding == 0) inputTime = *std::exchange(landing, std::nullopt);
      return inputTime;
    }
    int readsUntilLanding = 0;
  } desktop;
  desktop.grants = Grants::kNever;
  ForegroundActivator activator(desktop);
  for (int tick = 0; tick < 240; ++tick, desktop.clock += 250) activator.Activate(kTarget);
  EXPECT_EQ(Count(desktop.calls, "mouse"), 1) << "the screen saver would never start";
  EXPECT_EQ(Count(desktop.calls, "set"), 3) << "each refused request flashes the taskbar button";

  // The user moves the mouse, or another window comes forward: one more full try each.
  desktop.inputTime = desktop.clock - 40;
  for (int tick = 0; tick < 8; ++tick, desktop.clock += 250) activator.Activate(kTarget);
  EXPECT_EQ(Count(desktop.calls, "mouse"), 2);
  desktop.foreground = 300;
  desktop.threads[300] = 4;
  for (int tick = 0; tick < 8; ++tick, desktop.clock += 250) activator.Activate(kTarget);
  EXPECT_EQ(Count(desktop.calls, "mouse"), 3);
}

// A program run as administrator hears none of our input: no fallback against it, and one
// word to the user for each such window, however often the pin asks.
TEST(ForegroundActivation, AnElevatedWindowGetsNoFallbackAndOneNotice) {
  struct Notices : ActivationNotices {
    bool CannotReachElevated() override {
      if (!trayIconShown) return false;
      ++given;
      return true;
    }
    bool trayIconShown = false;
    int given = 0;
  } notices;
  LockedDesktop desktop;
  desktop.grants = Grants::kNever;
  desktop.elevated = {kForeground};
  ForegroundActivator activator(desktop, &notices);
  for (int tick = 0; tick < 240; ++tick) {
    EXPECT_FALSE(activator.Activate(kTarget));
    if (tick % 10 == 0) desktop.inputTime += 500;   // the user works in the elevated window
    if (tick == 100) notices.trayIconShown = true;  // nowhere to say it before
  }
  EXPECT_EQ(Count(desktop.calls, "mouse"), 0);
  EXPECT_EQ(desktop.attached, 0);
  for (const auto& call : desktop.calls) EXPECT_EQ(call, "set");
  EXPECT_EQ(notices.given, 1);

  desktop.elevated = {kForeground, 300};  // another elevated window, as the target
  desktop.threads[300] = 4;
  activator.Activate(300);
  EXPECT_EQ(notices.given, 2);
  EXPECT_EQ(Count(desktop.calls, "mouse"), 0);

  desktop.grants = Grants::kPlainCall;  // what the plain call reaches needs no word
  EXPECT_TRUE(activator.Activate(kTarget));
  EXPECT_EQ(notices.given, 2);
}

}  // namespace
}  // namespace tarnwick
