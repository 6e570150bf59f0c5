#pragma once
#include <array>
#include <cstddef>

#include "focus/hover_delay.h"
#include "focus/options.h"

namespace tarnwick {

// The longest text (in bytes of UTF-8) a setting normally holds: far beyond any number, chord
// or name it stores. A longer stored value is damage, read as absent.
inline constexpr std::size_t kMaxSettingLength = 1024;

// Where a setting lives (HKCU\Software\Tarnwick\<section>, value <key>), what a read gives
// when it is absent, and how long its text may be.
struct Setting {
  const char* section;
  const char* key;
  const char* defaultValue;
  std::size_t maxLength = kMaxSettingLength;
};

// The whole store, one entry a line; nothing else names a section or a key.
inline constexpr Setting kRunMinimizedSetting{"startup", "minimize", "0"};  // Check1
inline constexpr Setting kDisabledSetting{"disabled", "disabled", "0"};     // Command1
inline constexpr Setting kHoverDelaySetting{"Delay", "Interval", kDefaultHoverDelayText};  // Text1
inline constexpr Setting kIdleParkingSetting{"startup", "idel", "0"};                      // Check2
inline constexpr Setting kLaunchAtLogonSetting{"startup", "windows", "0"};                 // Check4
inline constexpr Setting kTaskbarAllowanceSetting{"startup", "idelautohide", "0"};         // Check5
inline constexpr Setting kLeftWrapSetting{"startup", "leftwrap", "1"};                     // Check8
inline constexpr Setting kRightWrapSetting{"startup", "rightwrap", "1"};         // Check10
inline constexpr Setting kTopWrapSetting{"startup", "topwrap", "1"};             // Check11
inline constexpr Setting kBottomWrapSetting{"startup", "bottomwrap", "1"};       // Check12
inline constexpr Setting kMouseWrapAtStartSetting{"startup", "mousewrap", "0"};  // Check7
inline constexpr Setting kCalibrationSetting{"startup", "calibration",
                                             "100"};  // Text35, shown only

// The Options window's values, written together whenever the user applies them.
inline constexpr std::array<Setting, 5> kHotkeySettings{{
    {"options", "Toggle", kDefaultHotkeyTexts[0]},
    {"options", "KeepOnTop", kDefaultHotkeyTexts[1]},
    {"options", "SendToBottom", kDefaultHotkeyTexts[2]},
    {"options", "Pin", kDefaultHotkeyTexts[3]},
    {"options", "Unpin", kDefaultHotkeyTexts[4]},
}};  // in the order of HotkeyCommand
// One rule a line; longer than any list a person keeps. Its limit is in characters, as the
// Options window says it; a character takes at most four bytes of UTF-8.
inline constexpr std::size_t kExclusionsMaxCharacters = 16384;
inline constexpr Setting kExclusionsSetting{"options", "Exclusions", "",
                                            4 * kExclusionsMaxCharacters};
inline constexpr Setting kPauseKeySetting{"options", "PauseKey", "None"};
inline constexpr Setting kLeaveFullscreenAloneSetting{"options", "LeaveFullscreenAlone", "1"};
inline constexpr Setting kFollowOnlyWhenMovedSetting{"options", "FollowOnlyWhenMoved", "1"};
inline constexpr Setting kWrapOnlyOnPushSetting{"options", "WrapOnlyOnPush", "0"};
inline constexpr Setting kRaiseModeSetting{"options", "RaiseMode", "AtOnce"};
inline constexpr Setting kRaiseDelaySetting{"options", "RaiseDelayMs", "1000"};
inline constexpr Setting kWaitUntilStillSetting{"options", "WaitUntilStill", "0"};

// Every setting, for what treats them all alike (the tests, the fuzzer).
inline constexpr auto kAllSettings = std::to_array<const Setting*>({
    &kRunMinimizedSetting,
    &kDisabledSetting,
    &kHoverDelaySetting,
    &kIdleParkingSetting,
    &kLaunchAtLogonSetting,
    &kTaskbarAllowanceSetting,
    &kLeftWrapSetting,
    &kRightWrapSetting,
    &kTopWrapSetting,
    &kBottomWrapSetting,
    &kMouseWrapAtStartSetting,
    &kCalibrationSetting,
    &kHotkeySettings[0],
    &kHotkeySettings[1],
    &kHotkeySettings[2],
    &kHotkeySettings[3],
    &kHotkeySettings[4],
    &kExclusionsSetting,
    &kPauseKeySetting,
    &kLeaveFullscreenAloneSetting,
    &kFollowOnlyWhenMovedSetting,
    &kWrapOnlyOnPushSetting,
    &kRaiseModeSetting,
    &kRaiseDelaySetting,
    &kWaitUntilStillSetting,
});

}  // namespace tarnwick
