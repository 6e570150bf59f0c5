#include "hotkeys/hotkey_field.h"

namespace tarnwick {
namespace {

constexpr int kBackspace = 0x08, kDelete = 0x2E;
// Shift, Ctrl and Alt (either side or both), the Windows keys and the menu key.
bool IsModifierKey(int keyCode) {
  return (keyCode >= 0x10 && keyCode <= 0x12) || (keyCode >= 0xA0 && keyCode <= 0xA5) ||
         (keyCode >= 0x5B && keyCode <= 0x5D);
}
// Keys the window itself answers: Tab moves on, Enter is OK, Esc is Cancel.
bool IsDialogKey(int keyCode) {
  return keyCode == 0x09 || keyCode == 0x0D || keyCode == 0x1B;
}

}  // namespace

std::optional<Chord> ChordTypedInHotkeyField(int keyCode, const HeldKeys& held) {
  if (keyCode <= 0 || keyCode > 0xFF || IsModifierKey(keyCode) || IsDialogKey(keyCode)) {
    return std::nullopt;
  }
  // With AltGr the left Ctrl is the layout's, not the user's.
  const bool altGr = held.layoutHasAltGr && held.rightAlt && !held.leftAlt;
  const bool ctrl = held.rightCtrl || (held.leftCtrl && !altGr);
  const bool alt = held.leftAlt || held.rightAlt;
  if (held.win || (!ctrl && alt)) return std::nullopt;
  if (!ctrl && (keyCode == kBackspace || keyCode == kDelete)) return Chord{};
  if (!ctrl) return Chord{keyCode, kCtrlShift};
  int modifiers = kCtrlBit;
  if (alt) modifiers |= kAltBit;
  if (held.shift) modifiers |= kShiftBit;
  return Chord{keyCode, modifiers};
}

}  // namespace tarnwick
