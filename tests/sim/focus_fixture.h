#pragma once
#include <string>

#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {

// A desktop with an editor, a dialog with two buttons, an untitled panel and a window
// titled only with blanks, and a corner where the cursor rests over no window at all.
class FocusFixture : public SimFixture {
 protected:
  static constexpr Point kNowhere{700, 500};
  static constexpr Point kOverEditorText{100, 100};
  static constexpr Point kOverOk{450, 220};
  static constexpr Point kOverCancel{550, 220};
  static constexpr Point kOverDialog{700, 100};
  static constexpr Point kOverPanelClock{50, 350};
  static constexpr Point kOverBlank{400, 400};

  static constexpr int kKeyA = 65;
  static constexpr int kKeyF = 70;
  static constexpr int kKeyQ = 81;
  static constexpr int kKeyR = 82;
  static constexpr int kKeyT = 84;
  static constexpr int kCtrlShift = 3;

  void SetUp() override {
    desktop.UserMovesCursor(kNowhere);
    editor = desktop.AddWindow("Notes - Editor", {0, 0, 400, 300});
    editorText = desktop.AddWindow("", {0, 20, 400, 300}, editor);
    dialog = desktop.AddWindow("Settings", {400, 0, 800, 300});
    okButton = desktop.AddWindow("OK", {410, 200, 500, 240}, dialog);
    cancelButton = desktop.AddWindow("Cancel", {510, 200, 600, 240}, dialog);
    panel = desktop.AddWindow("", {0, 300, 300, 600});
    panelClock = desktop.AddWindow("12:00", {0, 300, 100, 400}, panel);
    blank = desktop.AddWindow("   ", {300, 300, 600, 600});
  }

  void StartWithDelay(const std::string& delayText) {
    Store("Delay", "Interval", delayText);
    Start();
  }
  void MoveAt(std::int64_t atMs, Point position) {
    desktop.At(atMs, [this, position] { desktop.UserMovesCursor(position); });
  }
  void KeyAt(std::int64_t atMs, int keyCode, int shift = kCtrlShift) {
    desktop.At(atMs, [this, keyCode, shift] { form->WinHook1_KeyEvent(keyCode, shift); });
  }

  WindowHandle editor = kNoWindow;
  WindowHandle editorText = kNoWindow;
  WindowHandle dialog = kNoWindow;
  WindowHandle okButton = kNoWindow;
  WindowHandle cancelButton = kNoWindow;
  WindowHandle panel = kNoWindow;
  WindowHandle panelClock = kNoWindow;
  WindowHandle blank = kNoWindow;
};

}  // namespace tarnwick::sim
