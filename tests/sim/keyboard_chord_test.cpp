#include "platform/keyboard_chord.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

constexpr int kLeftShift = 0xA0, kRightShift = 0xA1, kLeftCtrl = 0xA2, kRightCtrl = 0xA3;
constexpr int kLeftAlt = 0xA4, kLeftWin = 0x5B, kGenericCtrl = 0x11, kGenericShift = 0x10;

TEST(KeyboardChord, CtrlShiftLetterReadsThree) {
  KeyboardChord chord;
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  EXPECT_EQ(chord.OnKey('T', true), (KeyPress{'T', kShiftBit | kCtrlBit}));
  EXPECT_EQ(kShiftBit | kCtrlBit, 3);

  KeyboardChord sided;
  sided.OnKey(kRightShift, true);
  sided.OnKey(kRightCtrl, true);
  EXPECT_EQ(sided.OnKey('F', true)->shift, 3);

  KeyboardChord generic;
  generic.OnKey(kGenericCtrl, true);
  generic.OnKey(kGenericShift, true);
  EXPECT_EQ(generic.OnKey('Q', true)->shift, 3);
}

TEST(KeyboardChord, AnyOtherModifierMakesItNotThree) {
  KeyboardChord withAlt;
  withAlt.OnKey(kLeftCtrl, true);
  withAlt.OnKey(kLeftShift, true);
  withAlt.OnKey(kLeftAlt, true);
  EXPECT_EQ(withAlt.OnKey('T', true)->shift, 7);

  KeyboardChord withWin;
  withWin.OnKey(kLeftCtrl, true);
  withWin.OnKey(kLeftShift, true);
  withWin.OnKey(kLeftWin, true);
  EXPECT_EQ(withWin.OnKey('T', true)->shift, 11);

  KeyboardChord ctrlOnly;
  ctrlOnly.OnKey(kLeftCtrl, true);
  EXPECT_EQ(ctrlOnly.OnKey('T', true)->shift, kCtrlBit);
}

TEST(KeyboardChord, HeldKeysReportOncePerPress) {
  KeyboardChord chord;
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  EXPECT_TRUE(chord.OnKey('F', true));
  EXPECT_FALSE(chord.OnKey('F', true)) << "auto-repeat must not toggle again";
  EXPECT_FALSE(chord.OnKey(kLeftCtrl, true)) << "a held modifier repeats too";
  EXPECT_FALSE(chord.OnKey('F', false)) << "releases are never reported";
  EXPECT_EQ(chord.OnKey('F', true)->shift, 3) << "a new press after the release counts";
}

TEST(KeyboardChord, ReleasedModifiersNoLongerCount) {
  KeyboardChord chord;
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  chord.OnKey(kLeftShift, false);
  EXPECT_EQ(chord.OnKey('T', true)->shift, kCtrlBit);
  chord.OnKey(kLeftCtrl, false);
  EXPECT_EQ(chord.Modifiers(), 0);
}

TEST(KeyboardChord, OutOfRangeCodesAreIgnored) {
  KeyboardChord chord;
  EXPECT_FALSE(chord.OnKey(0, true));
  EXPECT_FALSE(chord.OnKey(-5, true));
  EXPECT_FALSE(chord.OnKey(256, true));
  EXPECT_FALSE(chord.OnKey(100000, false));
  EXPECT_EQ(chord.Modifiers(), 0);
}

TEST(KeyboardChord, KeysReleasedOutOfSightAreForgotten) {
  // Win+L: the releases happen on the lock screen, where the hook sees nothing.
  KeyboardChord chord;
  chord.OnKey(kLeftWin, true);
  chord.OnKey('L', true);
  const auto nothingDown = [](int) { return false; };
  chord.ForgetReleased(nothingDown);
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  EXPECT_EQ(chord.OnKey('T', true)->shift, 3) << "a stuck Win key blocked the chord";

  // A key the system still holds is kept, so its auto-repeat stays silent.
  const auto onlyChordDown = [](int key) {
    return key == kLeftCtrl || key == kLeftShift || key == 'T';
  };
  chord.ForgetReleased(onlyChordDown);
  EXPECT_FALSE(chord.OnKey('T', true).has_value());
}

}  // namespace
}  // namespace tarnwick
