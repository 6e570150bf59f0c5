#include "hotkeys/key_stream.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

namespace tarnwick {
namespace {

constexpr int kLeftShift = 0xA0, kRightShift = 0xA1, kLeftCtrl = 0xA2, kRightCtrl = 0xA3;
constexpr int kLeftAlt = 0xA4, kRightAlt = 0xA5, kLeftWin = 0x5B, kGenericCtrl = 0x11,
              kGenericShift = 0x10;

// The modifier state reported for `key` pressed while `held` are down, in that order.
int ShiftFor(std::initializer_list<int> held, int key) {
  KeyStream chord;
  for (int modifier : held) chord.OnKey(modifier, true);
  const std::optional<Chord> press = chord.OnKey(key, true);
  EXPECT_TRUE(press.has_value());
  EXPECT_EQ(press ? press->keyCode : 0, key);
  return press ? press->modifiers : -1;
}

TEST(KeyStream, CtrlShiftLetterReadsThree) {
  EXPECT_EQ(ShiftFor({kLeftCtrl, kLeftShift}, 'T'), kShiftBit | kCtrlBit);
  EXPECT_EQ(kShiftBit | kCtrlBit, 3);
  EXPECT_EQ(ShiftFor({kRightShift, kRightCtrl}, 'F'), 3);
  EXPECT_EQ(ShiftFor({kGenericCtrl, kGenericShift}, 'Q'), 3);
}

TEST(KeyStream, AnyOtherModifierMakesItNotThree) {
  EXPECT_EQ(ShiftFor({kLeftCtrl, kLeftShift, kLeftAlt}, 'T'), 7);
  EXPECT_EQ(ShiftFor({kLeftCtrl, kLeftShift, kLeftWin}, 'T'), 11);
  EXPECT_EQ(ShiftFor({kLeftCtrl}, 'T'), kCtrlBit);
}

TEST(KeyStream, HeldKeysReportOncePerPress) {
  KeyStream chord;
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  EXPECT_TRUE(chord.OnKey('F', true));
  EXPECT_FALSE(chord.OnKey('F', true)) << "auto-repeat must not toggle again";
  EXPECT_FALSE(chord.OnKey(kLeftCtrl, true)) << "a held modifier repeats too";
  EXPECT_FALSE(chord.OnKey('F', false)) << "releases are never reported";
  EXPECT_EQ(chord.OnKey('F', true)->modifiers, 3) << "a new press after the release counts";
}

TEST(KeyStream, ReleasedModifiersNoLongerCount) {
  KeyStream chord;
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  chord.OnKey(kLeftShift, false);
  EXPECT_EQ(chord.OnKey('T', true)->modifiers, kCtrlBit);
  chord.OnKey(kLeftCtrl, false);
  EXPECT_EQ(chord.Modifiers(), 0);
}

TEST(KeyStream, OutOfRangeCodesAreIgnored) {
  KeyStream chord;
  EXPECT_FALSE(chord.OnKey(0, true));
  EXPECT_FALSE(chord.OnKey(-5, true));
  EXPECT_FALSE(chord.OnKey(256, true));
  EXPECT_FALSE(chord.OnKey(100000, false));
  EXPECT_EQ(chord.Modifiers(), 0);
}

TEST(KeyStream, KeysReleasedOutOfSightAreForgotten) {
  // Win+L: the releases happen on the lock screen, where the hook sees nothing.
  KeyStream chord;
  chord.OnKey(kLeftWin, true);
  chord.OnKey('L', true);
  const auto nothingDown = [](int) { return false; };
  chord.ForgetReleased(nothingDown);
  chord.OnKey(kLeftCtrl, true);
  chord.OnKey(kLeftShift, true);
  EXPECT_EQ(chord.OnKey('T', true)->modifiers, 3) << "a stuck Win key blocked the chord";

  // A key the system still holds is kept, so its auto-repeat stays silent.
  const auto onlyChordDown = [](int key) {
    return key == kLeftCtrl || key == kLeftShift || key == 'T';
  };
  chord.ForgetReleased(onlyChordDown);
  EXPECT_FALSE(chord.OnKey('T', true).has_value());
}

TEST(KeyStream, ModifiersHeldBeforeTheHookCameCountOnceLearnt) {
  // Ctrl+Shift went down before the hook was installed: it saw no transition.
  const auto ctrlShiftHeld = [](int key) {
    return key == kLeftCtrl || key == kLeftShift || key == kGenericCtrl || key == kGenericShift;
  };
  KeyStream unaware;
  EXPECT_EQ(unaware.OnKey('F', true)->modifiers, 0) << "without learning, F alone";

  KeyStream chord;
  chord.LearnHeld(ctrlShiftHeld);
  EXPECT_EQ(chord.Modifiers(), 3);
  EXPECT_EQ(chord.OnKey('F', true)->modifiers, 3);
  EXPECT_FALSE(chord.OnKey(kLeftCtrl, true)) << "a learnt key's auto-repeat stays silent";

  // A key learnt as held counts as down until its release, like one seen going down.
  KeyStream holdingF;
  holdingF.LearnHeld([](int key) { return key == 'F'; });
  EXPECT_FALSE(holdingF.OnKey('F', true)) << "the repeat of a key held since before the hook";
  holdingF.OnKey('F', false);
  EXPECT_TRUE(holdingF.OnKey('F', true));

  KeyStream mouse;
  mouse.LearnHeld([](int key) { return key == 0x01 || key == 0x02 || key == 0x04; });
  EXPECT_EQ(mouse.Modifiers(), 0);
  EXPECT_FALSE(mouse.MissedAKeyDown([](int key) { return key == 0x01; }))
      << "mouse buttons never come through a keyboard hook";
}

TEST(KeyStream, AKeyHeldThatWasNeverSeenGoingDownIsMissed) {
  KeyStream chord;
  const auto nothing = [](int) { return false; };
  const auto aHeld = [](int key) { return key == 'A'; };
  EXPECT_FALSE(chord.MissedAKeyDown(nothing));
  EXPECT_TRUE(chord.MissedAKeyDown(aHeld));
  chord.OnKey('A', true);
  EXPECT_FALSE(chord.MissedAKeyDown(aHeld)) << "seen";

  // The hook reports the left Shift; the system also shows the generic Shift down.
  chord.OnKey(kLeftShift, true);
  EXPECT_FALSE(chord.MissedAKeyDown(
      [](int key) { return key == 'A' || key == kLeftShift || key == kGenericShift; }));
  EXPECT_TRUE(chord.MissedAKeyDown([](int key) { return key == kRightShift; }));
}

// AltGr+Q types "@" on a German keyboard; the hook sees a left Ctrl the system made up, then
// the right Alt. A command on Ctrl+Alt+Q must not fire from typing a character.
TEST(KeyStream, AltGrIsNotCtrlAltButARealCtrlAltIs) {
  constexpr int kCtrlAlt = kCtrlBit | kAltBit;
  constexpr KeyEventDetails kAltGrsCtrl{0x21D, 5000};
  KeyStream byScanCode;
  byScanCode.OnKey(kLeftCtrl, true, kAltGrsCtrl);
  byScanCode.OnKey(kRightAlt, true, {0x38, 5000});
  EXPECT_EQ(byScanCode.OnKey('Q', true, {0x10, 5100})->modifiers, kAltBit);
  EXPECT_FALSE(byScanCode.OnKey(kLeftCtrl, true, kAltGrsCtrl)) << "AltGr's repeat";
  EXPECT_FALSE(byScanCode.MissedAKeyDown([](int key) { return key == kLeftCtrl; }))
      << "the system holds AltGr's Ctrl; the hook did not miss it";
  byScanCode.OnKey(kLeftCtrl, false, kAltGrsCtrl);
  byScanCode.OnKey(kRightAlt, false, {0x38, 5200});
  EXPECT_EQ(byScanCode.Modifiers(), 0);

  // Where the scan code is not AltGr's, the right Alt in the same millisecond gives it away.
  KeyStream byTime;
  byTime.OnKey(kLeftCtrl, true, {0x1D, 7000});
  byTime.OnKey(kRightAlt, true, {0x38, 7000});
  EXPECT_EQ(byTime.OnKey('Q', true, {0x10, 7090})->modifiers, kAltBit);
  byTime.OnKey('Q', false, {0x10, 7150});
  byTime.OnKey(kLeftCtrl, false, {0x1D, 7200});
  byTime.OnKey(kRightAlt, false, {0x38, 7200});

  // Ctrl then Alt pressed by a hand, even the right Alt: Ctrl+Alt.
  byTime.OnKey(kLeftCtrl, true, {0x1D, 8000});
  byTime.OnKey(kLeftAlt, true, {0x38, 8000});
  EXPECT_EQ(byTime.OnKey('Q', true, {0x10, 8100})->modifiers, kCtrlAlt);
  KeyStream rightAlt;
  rightAlt.OnKey(kLeftCtrl, true, {0x1D, 9000});
  rightAlt.OnKey(kRightAlt, true, {0x38, 9040});
  EXPECT_EQ(rightAlt.OnKey('Q', true, {0x10, 9100})->modifiers, kCtrlAlt);
}

// On a US keyboard a hand's left Ctrl and right Alt can share a clock step: Ctrl+Alt+K stays
// Ctrl+Alt+K. The layout is asked only when the time stamps meet.
TEST(KeyStream, OneTimeStampMeansAltGrOnlyWhereTheLayoutHasIt) {
  int asked = 0;
  KeyStream us([&asked] { return ++asked, false; });
  us.OnKey(kLeftCtrl, true, {0x1D, 7000});
  us.OnKey(kRightAlt, true, {0x38, 7000});
  EXPECT_EQ(us.OnKey('K', true, {0x25, 7090})->modifiers, kCtrlBit | kAltBit);
  us.OnKey(kRightAlt, false, {0x38, 7100});
  us.OnKey(kRightAlt, true, {0x38, 7200});
  EXPECT_EQ(asked, 1);
  KeyStream german([] { return true; });
  german.OnKey(kLeftCtrl, true, {0x1D, 7000});
  german.OnKey(kRightAlt, true, {0x38, 7000});
  EXPECT_EQ(german.OnKey('Q', true, {0x10, 7090})->modifiers, kAltBit);
}

}  // namespace
}  // namespace tarnwick
