// What keeps focus-follow from fighting the user: menus, drags, the keyboard's choice of
// window, the shell's own windows, pins of closed windows and the program's own cursor moves.
#include <string>
#include <vector>

#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

using Handles = std::vector<WindowHandle>;
using FocusGuards = FocusFixture;

// --- Held back while the user is in the middle of something ---

TEST_F(FocusGuards, AMenuOpenForTwoSecondsKeepsItsWindowAndTheRestingWindowFollowsAfter) {
  Start();                                            // delay 250
  desktop.At(100, [&] { desktop.menuOpen = true; });  // a menu of the editor's, say
  MoveAt(100, kOverDialog);                           // wait 250 -> 500: held back
  desktop.At(2100, [&] { desktop.menuOpen = false; });
  desktop.RunUntil(2100);
  EXPECT_TRUE(desktop.Activations().empty()) << "the menu would have closed";
  EXPECT_EQ(form->focus.LastWindow(), kNoWindow) << "an unfinished cycle records nothing";

  // The tick at 2250 sees the menu gone and starts afresh: a full delay from there.
  desktop.RunUntil(2499);
  EXPECT_TRUE(desktop.Activations().empty());
  desktop.RunUntil(2500);
  EXPECT_EQ(desktop.Activations(), Handles{dialog});
  EXPECT_EQ(form->focus.LastWindow(), dialog);
  desktop.RunFor(2000);
  EXPECT_EQ(desktop.Activations(), Handles{dialog}) << "one activation, not one per retry";
}

TEST_F(FocusGuards, ADragActivatesNothingUntilTheButtonIsReleasedOverTheDropTarget) {
  Start();
  desktop.At(100, [&] {
    desktop.UserMovesCursor(kOverEditorText);
    desktop.mouseButtonDown = true;  // a file picked up in the editor
  });
  MoveAt(700, kOverOk);      // dragged across the dialog
  MoveAt(1300, kOverBlank);  // and on over a window with a title now
  desktop.Window(blank).title = "Target";
  desktop.At(2600, [&] { desktop.mouseButtonDown = false; });  // dropped
  desktop.RunUntil(2600);
  EXPECT_TRUE(desktop.Activations().empty());

  desktop.RunUntil(2999);  // seen free at 2750, a full delay from there
  EXPECT_TRUE(desktop.Activations().empty());
  desktop.RunUntil(3000);
  EXPECT_EQ(desktop.Activations(), Handles{blank}) << "the drop target, under the cursor now";
}

TEST_F(FocusGuards, ARefusedPinIsAskedAgainOnlyAfterInputAndNeverWhileLocked) {
  Start();
  form->focus.PinWindow(editor);
  desktop.refuseActivation = true;  // the foreground lock says no
  desktop.RunUntil(5000);
  EXPECT_EQ(desktop.calls.bringToForeground, 1) << "each refusal flashes the taskbar button";

  MoveAt(5100, kOverBlank);
  desktop.RunUntil(5400);
  EXPECT_EQ(desktop.calls.bringToForeground, 2) << "the user's input earns one more try";

  desktop.refuseCursorRead = true;  // the workstation is locked
  desktop.refuseActivation = false;
  MoveAt(5500, kOverDialog);
  desktop.RunUntil(8000);
  EXPECT_EQ(desktop.calls.bringToForeground, 2) << "nothing is asked of a locked desktop";
  desktop.refuseCursorRead = false;
  desktop.RunUntil(8300);
  EXPECT_EQ(desktop.Foreground(), editor) << "unlocked, the pin holds again";
}

TEST_F(FocusGuards, AShellFlyoutInFrontHoldsTheActivationAndThePinsToo) {
  Start();
  form->focus.PinWindow(editor);
  desktop.RunUntil(200);
  desktop.shellTransientInFront = true;  // Start opened from the keyboard
  MoveAt(300, kOverDialog);              // wait 500 -> 750
  desktop.RunUntil(1000);
  EXPECT_NE(desktop.Foreground(), dialog);
  EXPECT_EQ(form->focus.LastWindow(), kNoWindow);
  desktop.shellTransientInFront = false;
  desktop.RunUntil(1500);
  EXPECT_EQ(form->focus.LastWindow(), editor) << "the pin, one delay after Start closed";
}

TEST_F(FocusGuards, DisabledNeedsNoGuardAndStillRecordsTheWindow) {
  Start();
  form->Command1_Click();
  desktop.menuOpen = true;
  MoveAt(100, kOverDialog);
  desktop.RunUntil(600);
  EXPECT_EQ(form->focus.LastWindow(), dialog);
  EXPECT_EQ(desktop.calls.userBusy, 0) << "nothing to activate, nothing to ask";
}

// --- Only the mouse moves the focus ---

TEST_F(FocusGuards, AWindowAppearingAndVanishingUnderAStillCursorStartsNoCycle) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  ASSERT_EQ(desktop.Foreground(), editor);
  desktop.At(700, [&] { desktop.BringToForeground(dialog); });  // Alt+Tab to the dialog
  desktop.At(800, [&] {
    const WindowHandle toast = desktop.AddWindow("Toast", {50, 50, 200, 200});
    desktop.At(1600, [this, toast] { desktop.DestroyWindow(toast); });
  });
  desktop.RunUntil(4000);
  EXPECT_EQ(desktop.Foreground(), dialog) << "the keyboard's choice stands";
  EXPECT_EQ(desktop.calls.windowTitle, 1) << "no cycle after the first";
}

TEST_F(FocusGuards, MovingInsideTheWindowUnderTheMouseTakesItBackFromTheKeyboardsChoice) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  ASSERT_EQ(desktop.Foreground(), editor);
  desktop.At(700, [&] { desktop.BringToForeground(dialog); });  // Alt+Tab to the dialog
  desktop.RunUntil(1500);
  ASSERT_EQ(desktop.Foreground(), dialog) << "a resting mouse leaves the keyboard's choice";

  MoveAt(1600, Point{kOverEditorText.x + 40, kOverEditorText.y + 20});  // still in the editor
  desktop.RunUntil(2300);
  EXPECT_EQ(desktop.Foreground(), editor) << "the user's hand moved, so the focus follows it";
}

TEST_F(FocusGuards, AWindowChosenFromAMenuIsNotCoveredByTheHeldActivation) {
  Start();
  desktop.At(100, [&] { desktop.menuOpen = true; });  // File opened over the editor
  MoveAt(100, kOverDialog);                           // its wait ends while the menu is open
  desktop.RunUntil(1000);
  ASSERT_TRUE(desktop.Activations().empty());
  // The menu's command opens a window of its own, which takes the foreground.
  desktop.At(1100, [&] {
    desktop.menuOpen = false;
    const WindowHandle options = desktop.AddWindow("Options", {600, 400, 800, 600});
    desktop.BringToForeground(options);
  });
  desktop.RunUntil(3000);
  EXPECT_EQ(desktop.Activations().size(), 1U) << "the dialog must not be brought over it";

  // Escape instead: the foreground is what it was, and the held cycle completes.
  desktop.At(3100, [&] { desktop.menuOpen = true; });
  MoveAt(3100, kOverEditorText);
  desktop.At(3600, [&] { desktop.menuOpen = false; });
  desktop.RunUntil(4500);
  EXPECT_EQ(desktop.Foreground(), editor);

  // The poll saw only the menu's items under the cursor; the item chosen opens a window, and
  // the cursor left over the dialog must not cover it.
  const WindowHandle menu = desktop.AddWindow("", {600, 50, 780, 150});
  desktop.Window(menu).shell = true;  // a menu's own window counts with the shell's
  desktop.At(5000, [&] { desktop.menuOpen = true; });
  MoveAt(5000, Point{700, 100});
  WindowHandle about = kNoWindow;
  desktop.At(5400, [&] {
    desktop.menuOpen = false;
    desktop.DestroyWindow(menu);
    desktop.UserMovesCursor({710, 110});  // where the hand left it, as the menu lets go
    about = desktop.AddWindow("About", {600, 400, 800, 600});
    desktop.BringToForeground(about);
  });
  desktop.RunUntil(7000);
  EXPECT_EQ(desktop.Foreground(), about);
}

TEST_F(FocusGuards, AWindowOpenedFromAMenuKeepsTheForegroundWhileTheMouseRests) {
  Start();
  MoveAt(100, kOverEditorText);
  WindowHandle menu = kNoWindow, options = kNoWindow;
  const auto choose = [&](std::int64_t atMs, std::int64_t clickMs, std::int64_t opensMs,
                          bool ours) {
    desktop.At(atMs, [&, atMs] {
      menu = desktop.AddWindow("", {0, 0, 200, 100});
      desktop.Window(menu).shell = desktop.menuOpen = true;
      desktop.UserMovesCursor({50, static_cast<int>(atMs % 90)});  // onto the item
    });
    desktop.At(clickMs, [&] { desktop.DestroyWindow(menu); });
    desktop.At(clickMs, [&] { desktop.menuOpen = false; });
    desktop.At(opensMs, [&, ours] {
      if (ours) form->MenuItemChosen(form->OptionsItem);
      desktop.BringToForeground(options = desktop.AddWindow("Options", {500, 300, 800, 600}));
    });
  };
  choose(1010, 1400, 1510, false);  // another program's menu; the poll saw its items
  choose(3020, 3100, 3260, true);   // ours, clicked at once: the editor's cycle began first
  desktop.At(3000, [&] { EXPECT_EQ(desktop.Foreground(), options) << "another's menu"; });
  desktop.RunUntil(5000);
  EXPECT_EQ(desktop.Foreground(), options);
  EXPECT_EQ(sim.form.optionsShown, 1);
}

TEST_F(FocusGuards, AMoveOfThreePixelsIsDriftAndOneOfFourIsMovement) {
  desktop.UserMovesCursor(Point{397, 100});  // over the editor, three pixels from the dialog
  Start();
  desktop.RunUntil(600);
  ASSERT_EQ(desktop.Activations(), Handles{editor});

  MoveAt(700, Point{400, 100});  // into the dialog by three pixels
  desktop.RunUntil(2000);
  EXPECT_EQ(desktop.Activations(), Handles{editor});

  MoveAt(2100, Point{401, 100});  // four pixels from where the user last moved it
  desktop.RunUntil(2600);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, dialog}));
}

TEST_F(FocusGuards, ACursorSetByAnotherProgramWithoutInputIsFollowedWithinASecond) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(2000);
  ASSERT_EQ(desktop.Activations(), Handles{editor});
  desktop.At(2010, [&] { desktop.ProgramSetsCursor(kOverDialog); });  // an eye tracker, say
  desktop.RunUntil(2010 + 1250 + 250);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, dialog}))
      << "the quiet poll still looks once a second";
}

// --- The shell's own windows are never targets ---

TEST_F(FocusGuards, TheDesktopTheTaskbarAndACloakedWindowAreNeitherActivatedNorRecorded) {
  const WindowHandle taskbar = desktop.AddWindow("", {0, 570, 800, 600});
  desktop.Window(taskbar).shell = true;
  const WindowHandle wallpaper = desktop.AddWindow("Program Manager", {0, 0, 800, 600});
  desktop.Window(wallpaper).shell = true;
  desktop.SendToBottom(wallpaper);
  const WindowHandle elsewhere = desktop.AddWindow("On desktop 2", {600, 300, 800, 560});
  desktop.Window(elsewhere).cloaked = true;
  Start();

  MoveAt(100, kOverEditorText);
  MoveAt(600, Point{300, 585});   // the taskbar
  MoveAt(1100, Point{700, 450});  // the cloaked window
  desktop.RunUntil(1000);
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(form->focus.LastWindow(), editor);
  KeyAt(1050, kKeyR);  // sends the editor down, not the taskbar
  desktop.RunUntil(1060);
  EXPECT_EQ(desktop.ZOrder().back(), editor);

  desktop.RunUntil(2000);  // resting over the cloaked window
  EXPECT_EQ(desktop.Activations(), Handles{editor});
  EXPECT_EQ(form->focus.LastWindow(), editor);

  MoveAt(2100, Point{790, 10});  // the dialog's far corner, then the bare wallpaper
  MoveAt(2600, Point{620, 280});
  desktop.RunUntil(3500);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, dialog}));
  EXPECT_EQ(form->focus.LastWindow(), dialog);
}

// --- Pins ---

TEST_F(FocusGuards, APinnedWindowThatWasClosedIsDroppedAtTheNextTick) {
  Start();
  MoveAt(100, kOverEditorText);
  KeyAt(600, kKeyA);
  desktop.RunUntil(700);
  ASSERT_EQ(form->focus.Pin(), editor);
  desktop.At(800, [&] { desktop.DestroyWindow(editor); });
  desktop.RunUntil(1000);
  EXPECT_EQ(form->focus.Pin(), std::nullopt) << "a pin of nothing would silence focus-follow";
  MoveAt(1100, kOverDialog);
  desktop.RunUntil(1600);
  EXPECT_EQ(desktop.Foreground(), dialog);
}

TEST_F(FocusGuards, APinClosedDuringAWaitGivesWayToTheWindowOfThatCycle) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(1300);
  form->focus.PinWindow(editor);
  MoveAt(1400, kOverDialog);  // wait 1500 -> 2500
  desktop.At(1600, [&] { desktop.DestroyWindow(editor); });
  desktop.At(1601, [&] { form->focus.PinWindow(editor); });  // ticks would drop it sooner
  desktop.RunUntil(2500);
  EXPECT_EQ(form->focus.Pin(), std::nullopt);
  EXPECT_EQ(desktop.Foreground(), dialog);
  EXPECT_EQ(form->focus.LastWindow(), dialog);
}

// --- The program's own cursor moves ---

TEST_F(FocusGuards, ParkingAndUntickingParkingWhileParkedStartNoCycle) {
  const WindowHandle corner = desktop.AddWindow("Corner", {750, 550, 800, 600});
  Store("startup", "idel", "1");
  desktop.UserMovesCursor(kOverEditorText);
  Start();
  form->Text2.UserTyped("0.5");
  desktop.RunUntil(1500);  // parked after six idle ticks
  ASSERT_EQ(desktop.Cursor(), (Point{799, 599}));
  ASSERT_EQ(desktop.Activations(), Handles{editor});

  form->Check2.UserClicked();  // unticked with the keyboard, the cursor still in the corner
  desktop.RunFor(3000);
  EXPECT_EQ(desktop.Activations(), Handles{editor}) << "the corner is where we put it";

  MoveAt(desktop.NowMs() + 10, Point{780, 560});  // the user's own move
  desktop.RunFor(600);
  EXPECT_EQ(desktop.Activations(), (Handles{editor, corner}));
}

}  // namespace
}  // namespace tarnwick::sim
