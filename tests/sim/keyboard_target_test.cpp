#include "backend/keyboard_target.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnwick {
namespace {

// The system as Windows answers for a Store app: the frame host's window is in front, the
// app's own thread has the keyboard focus, and each thread keeps a layout of its own.
struct StubTarget : KeyboardTarget {
  std::uint32_t focus = 20, foreground = 10;
  std::set<std::uint32_t> altGr;
  std::uint32_t FocusThread() override { return focus; }
  std::uint32_t ForegroundThread() override { return foreground; }
  bool LayoutHasAltGr(std::uint32_t thread) override { return altGr.count(thread) > 0; }
};

TEST(KeyboardTarget, TheFocusedThreadsLayoutCountsThenTheForegroundsThenOurOwn) {
  StubTarget system;
  system.altGr = {20};
  EXPECT_TRUE(KeysGoToAnAltGrLayout(system)) << "the frame host's stale layout was read";
  system.focus = 0;
  EXPECT_FALSE(KeysGoToAnAltGrLayout(system));
  system.altGr = {10};
  EXPECT_TRUE(KeysGoToAnAltGrLayout(system)) << "no focus: the window in front";
  system.foreground = 0;
  system.altGr = {0};
  EXPECT_TRUE(KeysGoToAnAltGrLayout(system)) << "nothing in front: our own layout";
}

}  // namespace
}  // namespace tarnwick
