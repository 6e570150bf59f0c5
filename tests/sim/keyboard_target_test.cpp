#include "backend/keyboard_target.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnwick {
namespace {

// The system as Windows answers for a Store app: the frame host's window is in front, the
// app's own thread has the keyboard focus, and each thread keeps a layout of its own.
struct StubTarget : KeyboardTarget {
  std::uint32_t focus = 0;
  std::uint32_t foreground = 0;
  std::set<std::uint32_t> altGrThreads;
  std::uint32_t FocusThread() override { return focus; }
  std::uint32_t ForegroundThread() override { return foreground; }
  bool LayoutHasAltGr(std::uint32_t thread) override { return altGrThreads.count(thread) > 0; }
};

constexpr std::uint32_t kFrameHost = 10, kStoreApp = 20, kOwnThread = 0;

TEST(KeyboardTarget, TheFocusedThreadsLayoutCountsThenTheForegroundsThenOurOwn) {
  StubTarget system;
  system.foreground = kFrameHost;
  system.focus = kStoreApp;
  system.altGrThreads = {kStoreApp};
  EXPECT_TRUE(KeysGoToAnAltGrLayout(system)) << "the frame host's stale layout was read";
  system.altGrThreads = {kFrameHost};
  EXPECT_FALSE(KeysGoToAnAltGrLayout(system));
  system.focus = 0;
  EXPECT_TRUE(KeysGoToAnAltGrLayout(system)) << "no focus: the window in front";
  system.foreground = 0;
  system.altGrThreads = {kOwnThread};
  EXPECT_TRUE(KeysGoToAnAltGrLayout(system)) << "nothing in front: our own layout";
}

}  // namespace
}  // namespace tarnwick
