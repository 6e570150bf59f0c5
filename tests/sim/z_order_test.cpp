#include "backend/z_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

constexpr ThreadId kOwnThread = 1;
constexpr WindowHandle kOwnWindow = 10, kOtherWindow = 20, kHungWindow = 30;

// A window manager where a synchronous move of a hung program's window waits as long as
// that program does, as on Windows (14 s was seen; a program that never recovers, forever).
class HangingDesktop : public ZOrderPrimitives {
 public:
  struct Move {
    WindowHandle window;
    ZPlace place;
    bool activate;
  };
  std::vector<Move> moves;
  int waitedMs = 0;

  void Place(WindowHandle window, ZPlace place, bool activate, bool waitForOwner) override {
    if (window == kHungWindow && waitForOwner) waitedMs += 14000;
    moves.push_back({window, place, activate});
  }
  ThreadId WindowThread(WindowHandle window) override {
    return window == kOwnWindow ? kOwnThread : window == kNoWindow ? 0 : 7;
  }
  ThreadId CurrentThread() override { return kOwnThread; }
};

TEST(ZOrder, CommandsOnAHungProgramsWindowReturnAtOnce) {
  HangingDesktop desktop;
  KeepWindowOnTop(desktop, kHungWindow);
  SendWindowToBottom(desktop, kHungWindow);
  EXPECT_EQ(desktop.waitedMs, 0);
  ASSERT_EQ(desktop.moves.size(), 4u);
  EXPECT_EQ(desktop.moves[0].place, ZPlace::kTopmost);
}

TEST(ZOrder, SendingToTheBottomClearsTopmostThenSettlesWithoutActivating) {
  HangingDesktop desktop;
  SendWindowToBottom(desktop, kOtherWindow);
  ASSERT_EQ(desktop.moves.size(), 3u);
  EXPECT_EQ(desktop.moves[0].place, ZPlace::kNotTopmost);
  EXPECT_EQ(desktop.moves[1].place, ZPlace::kBottom);
  EXPECT_TRUE(desktop.moves[1].activate) << "the command's own move keeps its flags";
  EXPECT_EQ(desktop.moves[2].place, ZPlace::kBottom);
  EXPECT_FALSE(desktop.moves[2].activate);
}

}  // namespace
}  // namespace tarnwick
