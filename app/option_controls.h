#pragma once
// The Options window's controls that show a setting: the rows name them, the dialog template
// (which includes this through resource_ids.h) places them. Plain defines, for the template.

// One hotkey control a command, in the order of HotkeyCommand: the first id plus its number.
#define IDC_HOTKEY_FIRST 1020
#define IDC_EXCLUSIONS 1040
#define IDC_PAUSE_KEY 1041
#define IDC_LEAVE_FULLSCREEN 1042
#define IDC_FOLLOW_ONLY_MOVED 1043
#define IDC_WRAP_ONLY_ON_PUSH 1045
// "Bring the window to the front": one button a RaiseMode, in its order, then the delay.
#define IDC_RAISE_FIRST 1050
#define IDC_RAISE_DELAY 1053
#define IDC_WAIT_UNTIL_STILL 1054
#define IDC_HOLD_KEY_MODE 1055
#define IDC_POINTER_FOLLOWS_KEYBOARD 1056
