#include <string>

#include "app/form1.h"
#include "platform/keyboard_chord.h"

namespace tarnwick {

namespace {

constexpr int kKeyA = 65;
constexpr int kKeyF = 70;
constexpr int kKeyQ = 81;
constexpr int kKeyR = 82;
constexpr int kKeyT = 84;

}  // namespace

void Form1::WinHook1_KeyEvent(int KeyCode, int Shift) {
  // Each command has its own test: they act on LastWindow and the tag as they stand now,
  // which during a hover wait is still the previous cycle's window.
  if (KeyCode == kKeyF && Shift == kCtrlShift) Command1_Click();
  if (KeyCode == kKeyT && Shift == kCtrlShift) platform_.windows.KeepOnTop(LastWindow);
  if (KeyCode == kKeyR && Shift == kCtrlShift) platform_.windows.SendToBottom(LastWindow);
  if (KeyCode == kKeyA && Shift == kCtrlShift) tag = std::to_string(LastWindow);
  if (KeyCode == kKeyQ && Shift == kCtrlShift) tag.clear();
}

}  // namespace tarnwick
