// The pointer follows a window the keyboard chose, and only such a window; and focus-follow
// held to follow by the pause key.
#include <functional>
#include <string>
#include <vector>

#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

constexpr Point kInEditor{100, 100};
constexpr Point kDialogMiddle{600, 150};

// Run where the system reports foreground changes (Windows) and where it reports none (Wine).
class PointerFollows : public FocusFixture, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    FocusFixture::SetUp();
    desktop.reportsForegroundChanges = GetParam();
    desktop.UserMovesCursor(kInEditor);
    desktop.ProgramComesForward(editor);
    Start();
    Options options = form->CurrentOptions();
    options.pointerFollowsKeyboard = true;
    ASSERT_TRUE(form->ApplyOptions(options));
  }
  // The window under the cursor, climbed to its top-level window.
  WindowHandle TopLevelUnderCursor() {
    return form->focus.TopLevelOf(desktop.WindowFromPoint(desktop.Cursor()));
  }
  void SwitchAt(std::int64_t atMs, WindowHandle window) {
    desktop.At(atMs, [this, window] { desktop.UserSwitchesWithKeyboard(window); });
  }
};

TEST_P(PointerFollows, IntoTheChosenWindowWhereItLastRestedOrAFreeSpotAndTheWindowKeepsTheKeys) {
  desktop.RunUntil(1000);
  const std::vector<WindowHandle> activations = desktop.Activations();
  SwitchAt(1000, dialog);
  desktop.RunUntil(1100);
  EXPECT_EQ(desktop.Cursor(), kDialogMiddle) << "its middle: it never rested there";
  EXPECT_EQ(desktop.Activations(), activations) << "the move is ours: nothing to activate";
  desktop.RunUntil(2000);
  EXPECT_FALSE(form->focus.HoverWaitPending());

  const Point nudged{kDialogMiddle.x + 8, kDialogMiddle.y + 8};
  MoveAt(2000, nudged);
  desktop.RunUntil(3000);
  EXPECT_EQ(desktop.Foreground(), dialog) << "the next nudge leaves the keyboard where it is";

  SwitchAt(3000, editor);
  desktop.RunUntil(3100);
  EXPECT_EQ(desktop.Cursor(), kInEditor) << "back where it rested in the editor";
  SwitchAt(4000, dialog);
  desktop.RunUntil(4100);
  EXPECT_EQ(desktop.Cursor(), nudged) << "where the hand left it, not the middle";

  // A topmost window now covers the editor's spot and its middle.
  const WindowHandle clock = desktop.AddWindow("Clock", {0, 0, 300, 200});
  desktop.Window(clock).topmost = true;
  SwitchAt(5000, editor);
  desktop.RunUntil(5100);
  EXPECT_EQ(TopLevelUnderCursor(), editor) << "a spot of the editor that shows";
  EXPECT_EQ(desktop.Foreground(), editor);

  // The hand rested on the dialog, and a key chose the clock before the wait was over.
  MoveAt(6000, kOverDialog);
  while (!form->focus.HoverWaitPending()) desktop.RunFor(10);
  desktop.UserSwitchesWithKeyboard(clock);
  desktop.RunFor(1000);
  EXPECT_EQ(desktop.Foreground(), clock) << "the wait under way ends in nothing";
}

TEST_P(PointerFollows, OnlyForAChangeWithinASecondOfAKeyWithNoMouseInputSince) {
  desktop.At(1000, [&] { desktop.ProgramComesForward(dialog); });  // a program's own doing
  desktop.At(2000, [&] { desktop.UserPressesKey(); });
  desktop.At(3100, [&] { desktop.ProgramComesForward(editor); });  // a second too late
  desktop.At(4000, [&] { desktop.UserPressesKey(); });
  desktop.At(4300, [&] { desktop.UserClicks(); });  // a taskbar button, say
  desktop.At(4400, [&] { desktop.ProgramComesForward(dialog); });
  desktop.RunUntil(5000);
  EXPECT_EQ(desktop.Cursor(), kInEditor);

  desktop.At(6000, [&] { desktop.UserPressesKey(); });  // Alt down, say
  desktop.At(6900, [&] { desktop.ProgramComesForward(editor); });
  desktop.At(7000, [&] { desktop.UserSwitchesWithKeyboard(dialog); });
  desktop.RunUntil(7100);
  EXPECT_EQ(desktop.Cursor(), kDialogMiddle);

  // Asleep it costs nothing: no look runs at rest, and with the system's reports none at all.
  desktop.RunUntil(8100);
  EXPECT_FALSE(desktop.TimerRunning(kPointerLookId));
  EXPECT_EQ(desktop.keyBursts, GetParam() ? 0 : 4) << "one message a burst of keys";
}

INSTANTIATE_TEST_SUITE_P(ForegroundReported, PointerFollows, ::testing::Bool());

using PointerStays = PointerFollows;

TEST_P(PointerStays, UnderAHeldButtonOrAMenuAndOutOfWindowsFocusFollowLeavesAlone) {
  struct Case {
    std::string name;
    std::function<void(bool)> set;
  };
  const std::vector<Case> cases{
      {"a button held", [&](bool on) { desktop.mouseButtonDown = on; }},
      {"a menu open", [&](bool on) { desktop.menuOpen = on; }},
      {"the shell's", [&](bool on) { desktop.Window(dialog).shell = on; }},
      {"on another desktop", [&](bool on) { desktop.Window(dialog).cloaked = on; }},
      {"fullscreen", [&](bool on) { desktop.fullscreenInFront = on; }},
      {"run as administrator",
       [&](bool on) {
         if (on) sim.facts.elevatedWindows.insert(dialog);
         if (!on) sim.facts.elevatedWindows.clear();
       }},
      {"excluded",
       [&](bool on) {
         Options options = form->CurrentOptions();
         options.exclusions =
             on ? std::vector<std::string>{"title:Settings"} : std::vector<std::string>{};
         ASSERT_TRUE(form->ApplyOptions(options));
       }},
      {"switched off", [&](bool) { form->Command1_Click(); }},
      {"a pin elsewhere",
       [&](bool on) { on ? form->focus.PinWindow(editor) : form->focus.Unpin(); }},
  };
  std::int64_t atMs = 1000;
  for (const Case& c : cases) {
    c.set(true);
    SwitchAt(atMs, dialog);
    desktop.RunUntil(atMs + 200);
    EXPECT_EQ(desktop.Cursor(), kInEditor) << c.name;
    c.set(false);
    desktop.At(atMs + 1500, [&] { desktop.ProgramComesForward(editor); });
    atMs += 3000;
  }
  SwitchAt(atMs, dialog);
  desktop.RunUntil(atMs + 200);
  EXPECT_EQ(desktop.Cursor(), kDialogMiddle) << "each case alone held it back";

  // Already over the window the keyboard chose, the pointer stays where the hand put it.
  const Point onOk{450, 220};
  desktop.At(atMs + 500, [&] { desktop.UserMovesCursor(onOk); });
  desktop.At(atMs + 1000, [&] { desktop.ProgramComesForward(editor); });
  desktop.RunUntil(atMs + 2000);
  const size_t moves = desktop.CursorMoves().size();
  SwitchAt(atMs + 2000, dialog);
  desktop.RunUntil(atMs + 2200);
  EXPECT_EQ(desktop.CursorMoves().size(), moves) << "not even put back where it is";
}

INSTANTIATE_TEST_SUITE_P(ForegroundReported, PointerStays, ::testing::Values(true));

// --- Held to follow ---

TEST_F(FocusFixture, HeldToFollowFocusFollowsOnlyWhileThePauseKeyIsHeldAndSaysSo) {
  desktop.refuseRawInput = false;  // so that it may sleep
  Start();
  Options options;
  options.pauseKey = PauseKey::kCtrl;
  options.holdKeyMode = HoldKeyMode::kFollow;
  ASSERT_TRUE(form->ApplyOptions(options));
  form->Command4_Click();  // to the tray
  const std::string product = std::string(kProductTitle) + "\n";
  EXPECT_EQ(sim.shell.trayTip, product + "Following the mouse while Ctrl is held");
  EXPECT_NE(form->Label1[0].Caption().find("while you hold Ctrl"), std::string::npos);

  MoveAt(100, kOverEditorText);
  desktop.RunUntil(3000);
  EXPECT_TRUE(desktop.Activations().empty()) << "the key is not held";
  EXPECT_TRUE(form->rest.Asleep()) << "no cycle waits for the key";

  desktop.modifiersDown = {ModifierKey::kCtrl};
  MoveAt(3000, {kOverEditorText.x + 10, kOverEditorText.y});  // a nudge, the key held
  desktop.RunUntil(3600);
  EXPECT_EQ(desktop.Activations(), std::vector<WindowHandle>{editor});
  EXPECT_EQ(sim.shell.trayTip, product + "Following the mouse while Ctrl is held");

  options.holdKeyMode = HoldKeyMode::kPause;
  ASSERT_TRUE(form->ApplyOptions(options));
  EXPECT_EQ(form->Label1[0].Caption(), kFocusHelpLine);
  MoveAt(4000, kOverDialog);  // Ctrl still held: now it pauses
  desktop.RunUntil(4600);
  EXPECT_EQ(sim.shell.trayTip, product + "Paused while Ctrl is held");
}

}  // namespace
}  // namespace tarnwick::sim
