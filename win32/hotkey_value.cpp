// The Windows API comes first: the common-controls header builds on it.
// clang-format off
#include "win32/hotkey_value.h"
// clang-format on
#include <commctrl.h>

#include "hotkeys/chord.h"
#include "win32/keyboard_layout.h"

namespace tarnwick::win32 {
namespace {

struct ModifierPair {
  int chordBit;
  BYTE hotkeyFlag;
};

constexpr ModifierPair kModifiers[] = {
    {kCtrlBit, HOTKEYF_CONTROL}, {kShiftBit, HOTKEYF_SHIFT}, {kAltBit, HOTKEYF_ALT}};

bool Down(int keyCode) {
  return GetKeyState(keyCode) < 0;
}

bool IsExtendedKey(int keyCode) {
  return (keyCode >= VK_PRIOR && keyCode <= VK_DOWN) || keyCode == VK_INSERT ||
         keyCode == VK_DELETE;
}

}  // namespace

WORD HotkeyValueOf(Chord chord) {
  if (chord.IsNone() || chord.keyCode < 0 || chord.keyCode > 0xFF) return 0;
  BYTE flags = IsExtendedKey(chord.keyCode) ? HOTKEYF_EXT : 0;
  for (const ModifierPair& pair : kModifiers) {
    if ((chord.modifiers & pair.chordBit) != 0) flags |= pair.hotkeyFlag;
  }
  return MAKEWORD(static_cast<BYTE>(chord.keyCode), flags);
}

Chord ChordOfHotkeyValue(WORD value) {
  const int keyCode = LOBYTE(value);
  if (keyCode == 0) return Chord{};
  Chord chord{keyCode, 0};
  for (const ModifierPair& pair : kModifiers) {
    if ((HIBYTE(value) & pair.hotkeyFlag) != 0) chord.modifiers |= pair.chordBit;
  }
  return chord;
}

bool RepresentsChord(Chord chord) {
  return ChordOfHotkeyValue(HotkeyValueOf(chord)) == chord;
}

HeldKeys HeldKeysNow() {
  HeldKeys held;
  held.rightCtrl = Down(VK_RCONTROL);
  held.rightAlt = Down(VK_RMENU);
  // A key state that does not say which side counts as the left.
  held.leftCtrl = Down(VK_LCONTROL) || (Down(VK_CONTROL) && !held.rightCtrl);
  held.leftAlt = Down(VK_LMENU) || (Down(VK_MENU) && !held.rightAlt);
  held.shift = Down(VK_SHIFT);
  held.win = Down(VK_LWIN) || Down(VK_RWIN);
  // Asked only while both are held: the left Ctrl that comes with the right Alt may be the
  // layout's.
  held.layoutHasAltGr = held.leftCtrl && held.rightAlt && LayoutHasAltGr(GetKeyboardLayout(0));
  return held;
}

}  // namespace tarnwick::win32
