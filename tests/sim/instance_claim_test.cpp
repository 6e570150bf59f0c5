#include "backend/instance_claim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace tarnwick {
namespace {

using Opened = InstanceSystem::Opened;
using Answer = InstanceSystem::Answer;

// A desktop with another Tarnwick on it, in virtual time: it may hold the lock until some
// moment, put up its window at some moment, and answer as it pleases.
class StubInstances : public InstanceSystem {
 public:
  Opened opened = Opened::kExisting;
  std::optional<int> lockFreeAtMs;  // when the other lets go (or dies); never if empty
  std::optional<int> windowUpAtMs;  // when its window appears; never if empty
  Answer windowAnswer = Answer::kShown;
  int nowMs = 0;
  int asked = 0;
  bool lockTaken = false;

  Opened OpenLock() override { return opened; }
  bool TakeLock(int waitMs) override {
    if (opened != Opened::kExisting) ADD_FAILURE() << "took a lock it could not open";
    if (lockFreeAtMs && *lockFreeAtMs <= nowMs + waitMs) {
      nowMs = std::max(nowMs, *lockFreeAtMs);
      lockTaken = true;
      return true;
    }
    nowMs += waitMs;
    return false;
  }
  Answer AskRunningToShow() override {
    ++asked;
    if (!windowUpAtMs || nowMs < *windowUpAtMs) return Answer::kNotFound;
    return windowAnswer;
  }
  void Pause(int milliseconds) override { nowMs += milliseconds; }
};

TEST(InstanceClaim, ANewLockIsTheFirstStart) {
  StubInstances system;
  system.opened = Opened::kCreated;
  EXPECT_EQ(ClaimFirstInstance(system), StartVerdict::kFirst);
  EXPECT_EQ(system.asked, 0);
}

TEST(InstanceClaim, ARunningTarnwickIsShownAndThisStartEnds) {
  StubInstances system;
  system.windowUpAtMs = 0;
  EXPECT_EQ(ClaimFirstInstance(system), StartVerdict::kAnotherRuns);
  EXPECT_EQ(system.asked, 1);
  EXPECT_FALSE(system.lockTaken);

  // One still starting gets the time to put up its window.
  StubInstances starting;
  starting.windowUpAtMs = 2500;
  EXPECT_EQ(ClaimFirstInstance(starting), StartVerdict::kAnotherRuns);
  EXPECT_GE(starting.nowMs, 2500);

  // A hung one was asked all the same; a second Tarnwick beside it would fight it.
  StubInstances hung;
  hung.windowUpAtMs = 0;
  hung.windowAnswer = Answer::kHung;
  EXPECT_EQ(ClaimFirstInstance(hung), StartVerdict::kAnotherRuns);
}

TEST(InstanceClaim, AnEndingTarnwickIsWaitedForAndThenReplaced) {
  // Its window answers that it is ending; it lets go a moment later.
  StubInstances ending;
  ending.windowUpAtMs = 0;
  ending.windowAnswer = Answer::kEnding;
  ending.lockFreeAtMs = 300;
  EXPECT_EQ(ClaimFirstInstance(ending), StartVerdict::kFirst);
  EXPECT_TRUE(ending.lockTaken);
  EXPECT_LT(ending.nowMs, 1000);

  // Its window is gone already; the lock follows.
  StubInstances windowGone;
  windowGone.lockFreeAtMs = 150;
  EXPECT_EQ(ClaimFirstInstance(windowGone), StartVerdict::kFirst);

  // It let go between the lock's creation and the first look.
  StubInstances justGone;
  justGone.lockFreeAtMs = 0;
  EXPECT_EQ(ClaimFirstInstance(justGone), StartVerdict::kFirst);
  EXPECT_EQ(justGone.asked, 0);
}

TEST(InstanceClaim, OneThatNeitherLetsGoNorAnswersIsNotJoinedByASecond) {
  StubInstances silent;
  silent.windowUpAtMs = 0;
  silent.windowAnswer = Answer::kEnding;
  EXPECT_EQ(ClaimFirstInstance(silent), StartVerdict::kAnotherRuns);
  EXPECT_GE(silent.nowMs, 5000) << "gave up before its patience ran out";
  EXPECT_LE(silent.nowMs, 5200);
}

TEST(InstanceClaim, ALockWeMayNotOpenMeansAnotherTarnwickRuns) {
  // An elevated Tarnwick created the lock with rights ours cannot open: Windows refuses
  // with ERROR_ACCESS_DENIED (under Wine only a stub can refuse so).
  StubInstances elevated;
  elevated.opened = Opened::kAccessDenied;
  elevated.windowUpAtMs = 800;
  EXPECT_EQ(ClaimFirstInstance(elevated), StartVerdict::kAnotherRuns);
  EXPECT_GE(elevated.asked, 2) << "asked again while its window was not up yet";

  StubInstances windowless;
  windowless.opened = Opened::kAccessDenied;
  EXPECT_EQ(ClaimFirstInstance(windowless), StartVerdict::kAnotherRuns);
}

TEST(InstanceClaim, NoLockAtAllStillStarts) {
  StubInstances broken;
  broken.opened = Opened::kFailed;
  broken.windowUpAtMs = 0;
  EXPECT_EQ(ClaimFirstInstance(broken), StartVerdict::kUnguarded);
  EXPECT_EQ(broken.asked, 0);
}

}  // namespace
}  // namespace tarnwick
