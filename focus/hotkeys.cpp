#include <string>

#include "app/form1.h"

namespace tarnwick {

void Form1::WinHook1_KeyEvent(int KeyCode, int Shift) {
  // Each command has its own test: they act on LastWindow and the tag as they stand now,
  // which during a hover wait is still the previous cycle's window. A command without a
  // chord (None) answers to nothing.
  const Chord pressed{KeyCode, Shift};
  const auto bound = [&](HotkeyCommand command) {
    const Chord chord = options_.HotkeyFor(command);
    return !chord.IsNone() && chord == pressed;
  };
  if (bound(HotkeyCommand::kToggle)) Command1_Click();
  if (bound(HotkeyCommand::kKeepOnTop)) platform_.windows.KeepOnTop(LastWindow);
  if (bound(HotkeyCommand::kSendToBottom)) platform_.windows.SendToBottom(LastWindow);
  if (bound(HotkeyCommand::kPin)) tag = std::to_string(LastWindow);
  if (bound(HotkeyCommand::kUnpin)) tag.clear();
}

}  // namespace tarnwick
