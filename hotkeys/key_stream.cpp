#include "hotkeys/key_stream.h"

#include <initializer_list>
#include <utility>

namespace tarnwick {
namespace {

// Generic and left/right virtual-key codes: the hook reports the sided ones, injected
// input may carry the generic ones.
constexpr int kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;
constexpr int kVkLeftWin = 0x5B, kVkRightWin = 0x5C;
constexpr int kVkLeftShift = 0xA0, kVkRightShift = 0xA1;
constexpr int kVkLeftControl = 0xA2, kVkRightControl = 0xA3;
constexpr int kVkLeftMenu = 0xA4, kVkRightMenu = 0xA5;

// The scan code Windows gives the left Ctrl it makes up for AltGr.
constexpr int kAltGrCtrlScanCode = 0x21D;

// Mouse buttons have virtual-key codes too, but never come through a keyboard hook.
bool IsMouseButton(int virtualKey) {
  return virtualKey == 0x01 || virtualKey == 0x02 || (virtualKey >= 0x04 && virtualKey <= 0x06);
}

}  // namespace

bool KeyStream::IsDown(int virtualKey) const {
  return down_.test(virtualKey);
}

int KeyStream::Modifiers() const {
  auto any = [this](std::initializer_list<int> keys) {
    for (int key : keys)
      if (IsDown(key)) return true;
    return false;
  };
  int state = 0;
  if (any({kVkShift, kVkLeftShift, kVkRightShift})) state |= kShiftBit;
  if (any({kVkControl, kVkLeftControl, kVkRightControl})) state |= kCtrlBit;
  if (any({kVkMenu, kVkLeftMenu, kVkRightMenu})) state |= kAltBit;
  if (any({kVkLeftWin, kVkRightWin})) state |= kWinBit;
  return state;
}

void KeyStream::ForgetReleased(const std::function<bool(int virtualKey)>& systemSaysDown) {
  for (std::size_t key = 0; key < down_.size(); ++key) {
    if (down_.test(key) && !systemSaysDown(static_cast<int>(key))) down_.reset(key);
  }
  if (altGrCtrl_ && !systemSaysDown(kVkLeftControl)) altGrCtrl_ = false;
}

void KeyStream::LearnHeld(const std::function<bool(int virtualKey)>& systemSaysDown) {
  for (int key = 1; key < static_cast<int>(down_.size()); ++key) {
    if (!IsMouseButton(key) && systemSaysDown(key)) down_.set(static_cast<std::size_t>(key));
  }
}

bool KeyStream::MissedAKeyDown(const std::function<bool(int virtualKey)>& systemSaysDown) const {
  for (int key = 1; key < static_cast<int>(down_.size()); ++key) {
    if (IsMouseButton(key) || key == kVkShift || key == kVkControl || key == kVkMenu) continue;
    if (altGrCtrl_ && key == kVkLeftControl) continue;  // held for AltGr, never counted
    if (!IsDown(key) && systemSaysDown(key)) return true;
  }
  return false;
}

std::optional<Chord> KeyStream::OnKey(int virtualKey, bool down, KeyEventDetails details) {
  if (virtualKey <= 0 || virtualKey >= static_cast<int>(down_.size())) return std::nullopt;
  const std::optional<std::uint32_t> ctrlWentDownMs = std::exchange(leftCtrlWentDownMs_, {});
  if (virtualKey == kVkLeftControl && details.scanCode == kAltGrCtrlScanCode) {
    altGrCtrl_ = down;
    return std::nullopt;
  }
  if (virtualKey == kVkRightMenu && down && ctrlWentDownMs && ctrlWentDownMs == details.timeMs &&
      (!layoutHasAltGr_ || layoutHasAltGr_())) {
    // The left Ctrl just before, in the same instant, was AltGr's: no hand is that quick.
    down_.reset(kVkLeftControl);
    altGrCtrl_ = true;
  }
  if (virtualKey == kVkLeftControl) {
    // While AltGr is held its made-up Ctrl repeats; it still does not count.
    if (down && altGrCtrl_) return std::nullopt;
    altGrCtrl_ = false;
  }
  if (!down) {
    down_.reset(virtualKey);
    return std::nullopt;
  }
  if (IsDown(virtualKey)) return std::nullopt;  // auto-repeat of a held key
  if (virtualKey == kVkLeftControl) leftCtrlWentDownMs_ = details.timeMs;
  const Chord press{virtualKey, Modifiers()};
  down_.set(virtualKey);
  return press;
}

}  // namespace tarnwick
