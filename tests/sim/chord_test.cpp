// A chord's text, both ways, and what a hotkey field makes of a key typed into it.
#include "hotkeys/chord.h"

#include <gtest/gtest.h>

#include "hotkeys/hotkey_field.h"

namespace tarnwick {
namespace {

constexpr int kCtrlAlt = kCtrlBit | kAltBit;

TEST(ChordText, NamesAndReadsBackEveryKindOfKey) {
  EXPECT_EQ(ChordText(Chord{'F', kCtrlShift}), "Ctrl+Shift+F");
  EXPECT_EQ(ChordText(Chord{}), "None");
  for (const Chord chord :
       {Chord{'G', kCtrlAlt}, Chord{0x70, kShiftBit}, Chord{0x87, kWinBit},
        Chord{'7', kCtrlBit | kShiftBit | kAltBit | kWinBit}, Chord{0x2E, kCtrlBit},
        Chord{0x63, kAltBit}, Chord{0xBA, kCtrlBit}, Chord{'Z', 0}, Chord{}}) {
    EXPECT_EQ(ParseChord(ChordText(chord)), chord) << ChordText(chord);
  }
  for (const char* garbage : {"", "Ctrl+", "+F", "Ctrl+Ctrl+F", "ctrl+shift+f", "Hyper+F", "F25",
                              "Key0", "Key256", "Num10", "Ctrl+Shift+FF", "F1x"}) {
    EXPECT_FALSE(ParseChord(garbage).has_value()) << garbage;
  }
}

// A chord needs Ctrl: Alt and a key is the window's access key, AltGr and a key a character.
TEST(HotkeyField, TakesOnlyChordsWithARealCtrl) {
  const HeldKeys none;
  HeldKeys alt;
  alt.leftAlt = true;
  HeldKeys altShift = alt;
  altShift.shift = true;
  HeldKeys altGr;  // as a German layout sends it: left Ctrl, then right Alt
  altGr.leftCtrl = altGr.rightAlt = altGr.layoutHasAltGr = true;
  HeldKeys ctrlRightAlt = altGr;  // the same keys on a layout without AltGr
  ctrlRightAlt.layoutHasAltGr = false;
  HeldKeys ctrlAlt;
  ctrlAlt.leftCtrl = ctrlAlt.leftAlt = ctrlAlt.layoutHasAltGr = true;
  HeldKeys shift;
  shift.shift = true;
  HeldKeys ctrl;
  ctrl.rightCtrl = true;
  HeldKeys win;
  win.win = true;

  EXPECT_EQ(ChordTypedInHotkeyField('N', alt), std::nullopt) << "an access key";
  EXPECT_EQ(ChordTypedInHotkeyField('N', altShift), std::nullopt);
  EXPECT_EQ(ChordTypedInHotkeyField('Q', altGr), std::nullopt) << "AltGr types a character";
  EXPECT_EQ(ChordTypedInHotkeyField('Q', ctrlRightAlt), (Chord{'Q', kCtrlAlt}));
  EXPECT_EQ(ChordTypedInHotkeyField('Q', ctrlAlt), (Chord{'Q', kCtrlAlt}));
  EXPECT_EQ(ChordTypedInHotkeyField('G', none), (Chord{'G', kCtrlShift})) << "as the defaults";
  EXPECT_EQ(ChordTypedInHotkeyField('G', shift), (Chord{'G', kCtrlShift}));
  EXPECT_EQ(ChordTypedInHotkeyField(0x2E, ctrl), (Chord{0x2E, kCtrlBit}));
  EXPECT_EQ(ChordTypedInHotkeyField(0x08, none), Chord{}) << "Backspace empties the field";
  EXPECT_EQ(ChordTypedInHotkeyField('K', win), std::nullopt) << "the field has no Win";
  for (const int key : {0x09, 0x0D, 0x1B, 0x10, 0x11, 0x12, 0xA5, 0x5B}) {
    EXPECT_EQ(ChordTypedInHotkeyField(key, ctrl), std::nullopt) << key;
  }
}

}  // namespace
}  // namespace tarnwick
