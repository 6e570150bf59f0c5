#include <string>
#include <vector>

#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

using Handles = std::vector<WindowHandle>;
using FocusPoll = FocusFixture;

// --- Timing of one cycle: rest, next poll tick, one delay, activation ---

TEST_F(FocusPoll, ActivatesOneDelayAfterTheTickThatSeesTheRestingCursor) {
  StartWithDelay("1000");
  MoveAt(600, kOverEditorText);  // seen by the tick at 750
  desktop.RunUntil(1749);
  EXPECT_TRUE(desktop.Activations().empty());
  EXPECT_EQ(form->focus.LastWindow(), kNoWindow) << "written only when the cycle ends";
  EXPECT_TRUE(form->Timer2.Enabled());

  desktop.RunUntil(1750);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(desktop.Foreground(), editor);
  EXPECT_EQ(form->focus.LastWindow(), editor);
  EXPECT_FALSE(form->Timer2.Enabled());

  // The cursor stays: no second cycle, no second title read.
  desktop.RunFor(5000);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(desktop.calls.windowTitle, 1);
}

TEST_F(FocusPoll, RestJustAfterATickWaitsForTheNextTick) {
  StartWithDelay("1000");
  MoveAt(751, kOverEditorText);  // missed by the tick at 750, seen at 1000
  desktop.RunUntil(1999);
  EXPECT_TRUE(desktop.Activations().empty());
  desktop.RunUntil(2000);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
}

TEST_F(FocusPoll, TheFirstWaitLastsAFullDelayThoughTheHoverTimerStartsRunning) {
  desktop.UserMovesCursor(kOverEditorText);
  StartWithDelay("1000");
  EXPECT_TRUE(form->Timer2.Enabled()) << "the hover timer is created running";
  desktop.RunUntil(1249);
  EXPECT_TRUE(desktop.Activations().empty());
  desktop.RunUntil(1250);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
}

TEST_F(FocusPoll, TheHoverTimersStartUpTickOnlySwitchesItOff) {
  Start();
  desktop.RunFor(300);
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_FALSE(desktop.TimerRunning(kTimer2Id));
  EXPECT_TRUE(desktop.Activations().empty());
  EXPECT_EQ(form->focus.LastWindow(), kNoWindow);
}

TEST_F(FocusPoll, TheFirstWindowIsStillActivatedWhenTheCursorMovesOnDuringItsDelay) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);  // tick 250, activation 1250
  MoveAt(450, kOverDialog);      // the tick at 1250 is still held back; 1500 sees it
  desktop.RunUntil(1250);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(form->focus.LastWindow(), editor);
  desktop.RunUntil(2499);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  desktop.RunUntil(2500);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, dialog}));
  EXPECT_EQ(form->focus.LastWindow(), dialog);
}

TEST_F(FocusPoll, TicksFallingDueDuringAWaitAreHeldBack) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);
  MoveAt(300, kOverDialog);
  int pumpsAtWaitStart = 0;
  desktop.At(251, [&] {
    desktop.calls = {};
    pumpsAtWaitStart = desktop.PumpCount();
  });
  desktop.RunUntil(1249);
  EXPECT_EQ(desktop.calls.Total(), 0) << "ticks at 500, 750 and 1000 neither look nor nest";
  EXPECT_EQ(desktop.PumpCount(), pumpsAtWaitStart);
  desktop.RunUntil(1250);
  EXPECT_EQ(desktop.PumpCount(), pumpsAtWaitStart + 1) << "the hover timer pumps once";
}

// --- What the climb and the title decide ---

TEST_F(FocusPoll, EveryMoveBetweenChildrenOfOneDialogRestartsTheDelayAndActivatesAgain) {
  Start();
  MoveAt(100, kOverOk);                                   // 250 -> 500
  MoveAt(600, kOverCancel);                               // 750 -> 1000
  MoveAt(1100, kOverDialog);                              // 1250 -> 1500
  MoveAt(1600, Point{kOverDialog.x + 5, kOverDialog.y});  // same window: no cycle
  desktop.RunUntil(999);
  EXPECT_EQ(desktop.Activations(), Handles{dialog});
  desktop.RunUntil(3000);
  EXPECT_EQ(desktop.Activations(), (Handles{dialog, dialog, dialog}));
  EXPECT_EQ(desktop.calls.windowTitle, 3);
}

TEST_F(FocusPoll, AnOwnedPopupClimbsToItsOwner) {
  const WindowHandle saveAs = desktop.AddWindow("Save As", {600, 350, 780, 450}, kNoWindow, editor);
  desktop.AddWindow("Save", {700, 400, 770, 440}, saveAs);
  Start();
  MoveAt(100, Point{720, 420});
  desktop.RunFor(1000);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(form->focus.LastWindow(), editor);
}

TEST_F(FocusPoll, UntitledAndBlankAncestorsBecomeLastWindowWithoutWaitOrActivation) {
  Start();
  MoveAt(100, kOverPanelClock);  // a titled child of an untitled panel
  desktop.RunUntil(250);
  EXPECT_EQ(form->focus.LastWindow(), panel) << "no wait: recorded by the tick itself";
  EXPECT_FALSE(form->Timer2.Enabled());

  MoveAt(300, kOverBlank);
  desktop.RunUntil(500);
  EXPECT_EQ(form->focus.LastWindow(), blank);
  EXPECT_FALSE(form->Timer2.Enabled());
  desktop.RunFor(2000);
  EXPECT_TRUE(desktop.Activations().empty());

  // One visible character among the blanks makes a title.
  desktop.Window(blank).title = "  x ";
  MoveAt(desktop.NowMs() + 10, kOverEditorText);
  MoveAt(desktop.NowMs() + 600, kOverBlank);
  desktop.RunFor(2000);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, blank}));
}

TEST_F(FocusPoll, OnlyTheFirst99CharactersOfATitleAreRead) {
  desktop.Window(editor).title = std::string(99, ' ') + "Editor";  // the text is past the cut
  desktop.Window(dialog).title = std::string(98, ' ') + "Dialog";  // one character is seen
  desktop.Window(blank).title = std::string(150, 'x');
  Start();
  MoveAt(100, kOverEditorText);
  MoveAt(600, kOverOk);
  MoveAt(1100, kOverBlank);
  desktop.RunUntil(250);
  EXPECT_EQ(form->focus.LastWindow(), editor);
  desktop.RunFor(3000);
  EXPECT_EQ(desktop.Activations(), (Handles{dialog, blank}));
}

TEST_F(FocusPoll, AParentLoopEndsTheClimbInsteadOfHanging) {
  const WindowHandle first = desktop.AddWindow("Loop one", {600, 350, 800, 600});
  const WindowHandle second = desktop.AddWindow("Loop two", {0, 0, 1, 1});
  desktop.Window(first).owner = second;
  desktop.Window(second).owner = first;
  Start();  // the cursor already rests over the first of the pair
  desktop.RunFor(1000);
  EXPECT_GT(desktop.calls.parent, 0);
  EXPECT_LT(desktop.calls.parent, 1000);
  EXPECT_EQ(desktop.Activations().size(), 1U);
  EXPECT_FALSE(form->focus.HoverWaitPending());
}

TEST_F(FocusPoll, AWindowThatVanishesDuringItsDelayIsLeftAloneAndTheNextOneHandled) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);
  desktop.At(600, [&] { desktop.DestroyWindow(editor); });
  desktop.RunUntil(1250);
  EXPECT_EQ(desktop.Foreground(), kNoWindow);
  EXPECT_FALSE(form->focus.HoverWaitPending());
  KeyAt(1300, kKeyT);  // a hotkey on the vanished window changes nothing
  // The cursor now rests over nothing, but it did not move: no cycle until the user moves it.
  desktop.RunUntil(1500);
  EXPECT_EQ(form->focus.LastWindow(), editor);
  MoveAt(1600, kOverDialog);
  desktop.RunFor(3000);
  EXPECT_EQ(desktop.Foreground(), dialog);
}

TEST_F(FocusPoll, AnUnreadableCursorStartsNoCycle) {
  desktop.UserMovesCursor(kOverDialog);
  desktop.refuseCursorRead = true;  // the workstation is locked
  Start();
  desktop.RunFor(1000);
  EXPECT_TRUE(desktop.Activations().empty());
  EXPECT_EQ(desktop.calls.windowFromPoint, 0);

  desktop.refuseCursorRead = false;
  desktop.RunFor(500);
  EXPECT_EQ(desktop.Activations(), std::vector<WindowHandle>{dialog});
}

// --- Enabled state and pin ---

TEST_F(FocusPoll, DisabledStillWaitsAndRecordsButActivatesNothing) {
  StartWithDelay("1000");
  form->Command1_Click();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(1249);
  EXPECT_TRUE(form->focus.HoverWaitPending()) << "the wait still runs";
  desktop.RunUntil(1250);
  EXPECT_EQ(form->focus.LastWindow(), editor);
  EXPECT_TRUE(desktop.Activations().empty());
}

TEST_F(FocusPoll, APinIsBroughtForwardEveryTickAlsoWhenDisabled) {
  Start();
  form->Command1_Click();
  form->focus.PinWindow(dialog);
  desktop.RunUntil(1000);
  EXPECT_EQ(desktop.Activations(), (Handles{dialog, dialog, dialog, dialog}));

  // Disabled, the cycle's window becomes LastWindow; the pin does not replace it.
  MoveAt(1100, kOverEditorText);
  desktop.RunUntil(1500);
  EXPECT_EQ(form->focus.LastWindow(), editor);
  EXPECT_EQ(desktop.Activations(), Handles(6, dialog)) << "the pin holds during the wait too";
  desktop.RunUntil(2000);
  EXPECT_EQ(desktop.Activations(), Handles(8, dialog));
  EXPECT_EQ(desktop.Foreground(), dialog);
}

TEST_F(FocusPoll, PinnedAndEnabledActivatesThePinAfterTheDelayAndRecordsIt) {
  Start();
  form->focus.PinWindow(dialog);
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(500);
  EXPECT_EQ(desktop.Activations(), (Handles{dialog, dialog, dialog}))
      << "the enforcement at 250 and at 500, then the pin instead of the editor";
  EXPECT_EQ(form->focus.LastWindow(), dialog);
  EXPECT_EQ(desktop.Foreground(), dialog);
}

TEST_F(FocusPoll, AfterAnUnpinTheNextMovementInsideTheWindowUnderThePointerBringsItForward) {
  Start();
  MoveAt(100, kOverEditorText);
  KeyAt(700, kKeyA);
  MoveAt(800, kOverDialog);
  KeyAt(1600, kKeyQ);
  desktop.RunUntil(2500);
  EXPECT_EQ(desktop.Foreground(), editor) << "the pin held, and a still pointer moves nothing";

  MoveAt(2600, Point{kOverDialog.x + 10, kOverDialog.y + 10});
  desktop.RunUntil(3200);
  EXPECT_EQ(desktop.Foreground(), dialog);
}

TEST_F(FocusPoll, PinningBeforeAnyWindowWasHandledPinsNothing) {
  Start();
  KeyAt(100, kKeyA);  // nothing handled yet
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  EXPECT_EQ(form->focus.Pin(), std::nullopt);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(form->focus.LastWindow(), editor);

  MoveAt(700, kOverDialog);
  desktop.RunUntil(1300);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, dialog}));
}

// --- Cost of a tick ---

TEST_F(FocusPoll, AnIdleTickAsksOnlyForTheLastInputAndLooksEverySecond) {
  desktop.UserMovesCursor(kOverEditorText);
  Start();
  desktop.RunUntil(1000);
  ASSERT_EQ(desktop.Activations(), Handles{editor});

  // Ten ticks with nothing happening: one question each; the fifth quiet tick looks anyway,
  // in case something moved the cursor without making input.
  desktop.calls = {};
  int pumps = desktop.PumpCount();
  desktop.RunFor(2500);
  EXPECT_EQ(desktop.calls.lastInputTime, 10);
  EXPECT_EQ(desktop.PumpCount() - pumps, 2);
  EXPECT_EQ(desktop.calls.cursorPosition, 2);
  EXPECT_EQ(desktop.calls.windowFromPoint, 0) << "a cursor that did not move needs no lookup";
  EXPECT_EQ(desktop.calls.Total(), 12);

  // A pin is asked for every tick all the same, after a look at the cursor (a locked
  // desktop has none) and the fullscreen question.
  form->focus.PinWindow(dialog);
  desktop.calls = {};
  pumps = desktop.PumpCount();
  desktop.RunFor(2500);
  EXPECT_EQ(desktop.calls.bringToForeground, 10);
  EXPECT_EQ(desktop.calls.optionQuestions, 10);
  EXPECT_LE(desktop.calls.Total(), 42);

  // Input that moved the cursor a few pixels: the tick looks, and sees drift, no movement.
  desktop.calls = {};
  MoveAt(desktop.NowMs() + 10, Point{kOverEditorText.x + 3, kOverEditorText.y - 3});
  desktop.RunFor(2500);
  EXPECT_GE(desktop.calls.cursorPosition, 1);
  EXPECT_EQ(desktop.calls.windowFromPoint, 0);
}

TEST_F(FocusPoll, AHoverTickWithAWaitPendingButItsTimerOffIsAMistake) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(300);
  ASSERT_TRUE(form->focus.HoverWaitPending());
  form->Timer2.SetEnabled(false);  // only the hover tick itself may end a wait
  EXPECT_DEBUG_DEATH(form->Timer2_Timer(), "hover wait without its timer");
}

}  // namespace
}  // namespace tarnwick::sim
