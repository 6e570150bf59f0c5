// Edge wrap and idle parking of the real cursor on Wine's 800 x 600 desktop, and the wrap
// options surviving a restart.
#include <cstdio>
#include <string>

#include "fixture.h"

namespace tarnwick::e2e {
namespace {

constexpr POINT kMiddle{400, 300};

class CursorControl : public TarnwickCase {
 protected:
  HWND Box(const wchar_t* caption) const {
    return program_->Control(ControlKind::kCheckBox, caption);
  }

  std::wstring WrapCaption() const {
    for (const wchar_t* caption : {L"Mouse Wrap is Off", L"Mouse Wrap is On"}) {
      if (program_->Control(ControlKind::kPushButton, caption)) return caption;
    }
    return L"<neither>";
  }

  void ToggleWrap(const std::wstring& expected) {
    ClickButton(program_->Control(ControlKind::kPushButton, WrapCaption()));
    EXPECT_TRUE(WaitUntil([&] { return WrapCaption() == expected; })) << Narrow(WrapCaption());
  }

  // Moves the cursor onto `arrival` and waits for it to end, and stay, at `expected`. Under
  // Wine a pointer event of the jump still on its way can put the cursor back where it went
  // after the wrap moved it on, or where it stood before (see below): the hand then moves it
  // away and brings it again, as a hand would. A wrap that never comes fails every try.
  static testing::AssertionResult Arrive(POINT arrival, POINT expected) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      if (attempt > 0) MoveCursor(kMiddle);
      JumpCursor(arrival);
      if (WaitForCursor(expected, 3000ms) && (Pause(300ms), WaitForCursor(expected, 1000ms))) {
        return testing::AssertionSuccess();
      }
      const POINT now = CursorPosition();
      std::fprintf(stderr, "e2e: the cursor sent to %ld,%ld is at %ld,%ld; again\n", arrival.x,
                   arrival.y, now.x, now.y);
    }
    const POINT now = CursorPosition();
    return testing::AssertionFailure()
           << "arrived at " << arrival.x << "," << arrival.y << ", expected " << expected.x << ","
           << expected.y << ", cursor is at " << now.x << "," << now.y;
  }

  // Under Wine a jump is now and then undone: the pointer turns up where it stood before, or
  // at a spot a pointer event still on its way names, with nothing of Tarnwick's moving it
  // there (no timer of its that moves the cursor puts it at a spot it left). A hand that
  // finds the pointer back where it was moves it again.
  static bool UndoneByWine(POINT before, POINT arrival) {
    const POINT now = CursorPosition();
    const bool back = now.x == before.x && now.y == before.y;
    if (back)
      std::fprintf(stderr, "e2e: the jump to %ld,%ld was undone; jumping again\n", arrival.x,
                   arrival.y);
    return back && (before.x != arrival.x || before.y != arrival.y);
  }

  // Moves a parked cursor away, as a hand on the mouse would, and waits for it to be put back
  // at `saved`. Each idle tick parks the cursor again, so a jump that lands between a tick's
  // read and its move is undone; the hand then simply moves on, one pixel at a time.
  // A hand's nudge brings a parked cursor back (a program's jump would leave it where it put
  // it); each idle tick parks it again, so a nudge that lands between a tick's read and its
  // move is simply repeated.
  static testing::AssertionResult Restored(POINT saved) {
    for (int attempt = 0; attempt < 5; ++attempt) {
      MoveBy(-2, -2);
      if (WaitForCursor(saved, 3000ms)) return testing::AssertionSuccess();
    }
    const POINT now = CursorPosition();
    return testing::AssertionFailure() << "not put back at " << saved.x << "," << saved.y
                                       << "; cursor is at " << now.x << "," << now.y;
  }

  // Moves the cursor onto `arrival` and checks that it is left alone for a while.
  static testing::AssertionResult Stays(POINT arrival) {
    const POINT before = CursorPosition();
    for (int attempt = 0; attempt < 3; ++attempt) {
      JumpCursor(arrival);
      if (WaitForCursor(arrival, 3000ms)) {
        Pause(1000ms);
        const POINT now = CursorPosition();
        if (now.x == arrival.x && now.y == arrival.y) return testing::AssertionSuccess();
        if (!UndoneByWine(before, arrival)) {
          return testing::AssertionFailure() << "moved from " << arrival.x << "," << arrival.y
                                             << " to " << now.x << "," << now.y;
        }
      } else if (!UndoneByWine(before, arrival)) {
        break;
      }
    }
    return testing::AssertionFailure()
           << "cursor never stayed at " << arrival.x << "," << arrival.y;
  }
};

TEST_F(CursorControl, WrapsAtEachTickedEdgeOnlyWhileSwitchedOn) {
  ASSERT_TRUE(Launch());
  ASSERT_EQ(WrapCaption(), L"Mouse Wrap is Off");
  EXPECT_TRUE(Stays({0, 300}));

  // Switched on, the wrap takes a cursor that moved onto an edge while it was off at its first
  // tick; the hand brings the cursor back to the middle first.
  MoveCursor(kMiddle);
  ToggleWrap(L"Mouse Wrap is On");
  EXPECT_TRUE(Arrive(kMiddle, kMiddle));
  EXPECT_TRUE(Arrive({0, 300}, {798, 300}));
  EXPECT_TRUE(Arrive({799, 300}, {1, 300}));
  EXPECT_TRUE(Arrive({500, 0}, {500, 597}));
  EXPECT_TRUE(Arrive({500, 599}, {500, 1}));
  // A corner takes the horizontal edge first and the vertical one a tick later.
  EXPECT_TRUE(Arrive({0, 0}, {798, 597}));

  // An unticked edge is left alone while the others still wrap.
  ClickButton(Box(L"Left"));
  ASSERT_TRUE(WaitUntil([&] { return CheckStateOf(Box(L"Left")) == 0; }));
  EXPECT_TRUE(Stays({0, 310}));
  EXPECT_TRUE(Arrive({799, 310}, {1, 310}));

  ToggleWrap(L"Mouse Wrap is Off");
  EXPECT_TRUE(Stays({799, 320}));
  EXPECT_TRUE(Stays({500, 0}));
}

TEST_F(CursorControl, WrapOptionsArePersistedAndRestoredOnTheNextStart) {
  ASSERT_TRUE(Launch());
  for (const wchar_t* edge : {L"Left", L"Right", L"Top", L"Bottom"}) {
    ClickButton(Box(edge));
  }
  ClickButton(Box(L"Auo Run on Launch"));
  for (const wchar_t* key : {L"leftwrap", L"rightwrap", L"topwrap", L"bottomwrap"}) {
    EXPECT_TRUE(WaitUntil([&] { return ReadSetting(L"startup", key) == L"0"; })) << Narrow(key);
  }
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"startup", L"mousewrap") == L"1"; }));
  EXPECT_EQ(WrapCaption(), L"Mouse Wrap is Off") << "the launch option acts only at a start";

  ASSERT_TRUE(Launch());
  for (const wchar_t* edge : {L"Left", L"Right", L"Top", L"Bottom"}) {
    EXPECT_EQ(CheckStateOf(Box(edge)), 0) << Narrow(edge);
  }
  EXPECT_EQ(CheckStateOf(Box(L"Auo Run on Launch")), 1);
  EXPECT_EQ(WrapCaption(), L"Mouse Wrap is On");

  // Running, but with every edge off: nothing wraps until an edge is ticked again.
  EXPECT_TRUE(Arrive(kMiddle, kMiddle));
  EXPECT_TRUE(Stays({0, 300}));
  ClickButton(Box(L"Left"));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"startup", L"leftwrap") == L"1"; }));
  EXPECT_TRUE(Arrive({0, 301}, {798, 301}));
  EXPECT_TRUE(Stays({799, 301}));
}

TEST_F(CursorControl, IdleCursorIsParkedAndComesBackOnTheFirstMovement) {
  ASSERT_TRUE(Launch());
  EXPECT_TRUE(ReplaceEditText(EditInFrame(Program().MainWindow(), L"Auto Hide "), L"1", false));
  ClickButton(Box(L"Auto Hide Mouse When Idel"));
  ASSERT_TRUE(WaitUntil([&] { return CheckStateOf(Box(L"Auto Hide Mouse When Idel")) == 1; }));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"startup", L"idel") == L"1"; }));

  JumpCursor({300, 200});
  Pause(400ms);
  EXPECT_EQ(CursorPosition().x, 300) << "parked before the one-second idle delay";
  EXPECT_TRUE(WaitForCursor({799, 599})) << "not parked";
  EXPECT_TRUE(Restored({300, 200}));

  // With the taskbar allowance the park point is 200 pixels above the bottom.
  ClickButton(Box(L"Taskbar Auto Hiden?"));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"startup", L"idelautohide") == L"1"; }));
  JumpCursor({250, 150});
  EXPECT_TRUE(WaitForCursor({799, 400})) << "not parked above the taskbar";
  EXPECT_TRUE(Restored({250, 150}));

  // Unticked, the cursor stays where it rests.
  ClickButton(Box(L"Auto Hide Mouse When Idel"));
  EXPECT_TRUE(WaitUntil([] { return ReadSetting(L"startup", L"idel") == L"0"; }));
  MoveCursor({200, 100});
  Pause(2500ms);
  EXPECT_EQ(CursorPosition().x, 200);
  EXPECT_EQ(CursorPosition().y, 100);
}

TEST_F(CursorControl, ParkedCursorIsNotWrappedAwayWhenBothAreOn) {
  WriteSetting(L"startup", L"mousewrap", L"1");
  WriteSetting(L"startup", L"idel", L"1");
  ASSERT_TRUE(Launch());
  ASSERT_EQ(WrapCaption(), L"Mouse Wrap is On");
  EXPECT_TRUE(ReplaceEditText(EditInFrame(Program().MainWindow(), L"Auto Hide "), L"1", false));
  JumpCursor({300, 200});
  EXPECT_TRUE(WaitForCursor({799, 599})) << "not parked";
  Pause(1500ms);
  EXPECT_EQ(CursorPosition().x, 799) << "the wrap moved the parked cursor";
  EXPECT_EQ(CursorPosition().y, 599);
  EXPECT_TRUE(Restored({300, 200}));
}

}  // namespace
}  // namespace tarnwick::e2e
