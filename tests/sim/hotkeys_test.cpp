#include <string>
#include <vector>

#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

using Handles = std::vector<WindowHandle>;
using Hotkeys = FocusFixture;

TEST_F(Hotkeys, EachLetterDoesItsOwnCommandOnLastWindow) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  ASSERT_EQ(form->focus.LastWindow(), editor);

  form->WinHook1_KeyEvent(kKeyT, kCtrlShift);
  EXPECT_TRUE(desktop.Window(editor).topmost);
  EXPECT_EQ(desktop.ZOrder().front(), editor);

  form->WinHook1_KeyEvent(kKeyR, kCtrlShift);
  EXPECT_FALSE(desktop.Window(editor).topmost);
  EXPECT_EQ(desktop.ZOrder().back(), editor);

  form->WinHook1_KeyEvent(kKeyQ, kCtrlShift);
  EXPECT_EQ(form->focus.Pin(), std::nullopt) << "unpinning with no pin leaves no pin";
  form->WinHook1_KeyEvent(kKeyA, kCtrlShift);
  EXPECT_EQ(form->focus.Pin(), editor);
  form->WinHook1_KeyEvent(kKeyQ, kCtrlShift);
  EXPECT_EQ(form->focus.Pin(), std::nullopt);

  form->WinHook1_KeyEvent(kKeyF, kCtrlShift);
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");
  form->WinHook1_KeyEvent(kKeyF, kCtrlShift);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
  EXPECT_EQ(sim.settings.Setting("disabled", "disabled"), "0");
  EXPECT_EQ(sim.shell.trayIcons, std::set<IconId>{IconId::kApplication});

  const WindowManagerCalls before = desktop.calls;
  for (int otherKey : {66, 71, 83, 90, 0, 255}) form->WinHook1_KeyEvent(otherKey, kCtrlShift);
  EXPECT_EQ(desktop.calls.Total(), before.Total());
  EXPECT_EQ(form->focus.Pin(), std::nullopt);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
}

TEST_F(Hotkeys, OnlyCtrlAndShiftAloneTriggerACommand) {
  Start();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  // Shift alone, Ctrl alone, Ctrl+Alt, Ctrl+Shift+Alt, Ctrl+Shift+Win, none.
  for (int shift : {1, 2, 6, 7, 11, 0}) {
    for (int key : {kKeyF, kKeyT, kKeyR, kKeyA}) form->WinHook1_KeyEvent(key, shift);
  }
  EXPECT_EQ(desktop.calls.keepOnTop + desktop.calls.sendToBottom, 0);
  EXPECT_FALSE(desktop.Window(editor).topmost);
  EXPECT_EQ(form->focus.Pin(), std::nullopt);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");

  form->WinHook1_KeyEvent(kKeyT, kCtrlShift);
  EXPECT_TRUE(desktop.Window(editor).topmost);
}

TEST_F(Hotkeys, DuringAWaitTheyActOnThePreviousWindow) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);  // handled at 1250
  MoveAt(1300, kOverDialog);     // waiting from 1500 to 2500
  KeyAt(1800, kKeyT);
  desktop.RunUntil(1800);
  EXPECT_TRUE(desktop.Window(editor).topmost);
  EXPECT_FALSE(desktop.Window(dialog).topmost);
  EXPECT_EQ(form->focus.LastWindow(), editor);

  desktop.RunUntil(2500);
  EXPECT_EQ(form->focus.LastWindow(), dialog);
  form->WinHook1_KeyEvent(kKeyT, kCtrlShift);
  EXPECT_TRUE(desktop.Window(dialog).topmost);
}

TEST_F(Hotkeys, AToggleDuringTheWaitAppliesToThatCycle) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);
  KeyAt(700, kKeyF);
  desktop.RunUntil(1250);
  EXPECT_TRUE(desktop.Activations().empty());
  EXPECT_EQ(form->focus.LastWindow(), editor);

  // Switched back on during the next wait: that cycle activates.
  MoveAt(1300, kOverDialog);
  KeyAt(1600, kKeyF);
  desktop.RunUntil(2500);
  EXPECT_EQ(desktop.Activations(), Handles{dialog});
}

TEST_F(Hotkeys, APinDuringTheWaitTakesThePreviousWindowAndAppliesToThatCycle) {
  StartWithDelay("1000");
  MoveAt(100, kOverEditorText);
  MoveAt(1300, kOverDialog);
  KeyAt(1600, kKeyA);  // pins the editor, the window handled before this wait
  desktop.RunUntil(2500);
  EXPECT_EQ(form->focus.Pin(), editor);
  // The pin holds from the next tick on, through the wait (1750 to 2500), and the cycle
  // then brings the pin forward instead of the dialog.
  EXPECT_EQ(desktop.Activations(), Handles(6, editor));
  EXPECT_EQ(desktop.Foreground(), editor);
  EXPECT_EQ(form->focus.LastWindow(), editor) << "the pin, not the dialog";

  // A second pin replaces the first; the Z-order keys then act on the pinned window.
  form->focus.PinWindow(dialog);
  MoveAt(2600, kOverBlank);
  desktop.RunUntil(3000);
  EXPECT_EQ(form->focus.LastWindow(), blank) << "untitled: no activation, so no pin either";
  MoveAt(3100, kOverEditorText);  // waiting from 3250 to 4250
  desktop.RunUntil(4250);
  EXPECT_EQ(form->focus.LastWindow(), dialog);
  form->WinHook1_KeyEvent(kKeyT, kCtrlShift);
  EXPECT_TRUE(desktop.Window(dialog).topmost);
  EXPECT_FALSE(desktop.Window(editor).topmost);
}

}  // namespace
}  // namespace tarnwick::sim
