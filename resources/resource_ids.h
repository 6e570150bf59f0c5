#pragma once
// Shared by Tarnwick.rc and the Win32 code; the icon ids equal the IconId values.
#define IDI_TARNWICK 1
#define IDI_TARNWICK_DISABLED 2

// The Options window. Each hotkey row is a label, the hotkey control and its "None" button,
// the rows in the order of HotkeyCommand: the first id plus the command's number.
#define IDD_OPTIONS 100
#define IDC_HOTKEY_LABEL_FIRST 1010
#define IDC_HOTKEY_FIRST 1020
#define IDC_HOTKEY_NONE_FIRST 1030
#define IDC_EXCLUSIONS 1040
#define IDC_PAUSE_KEY 1041
#define IDC_LEAVE_FULLSCREEN 1042
#define IDC_FOLLOW_ONLY_MOVED 1043
#define IDC_APPLY 1044
#define IDC_WRAP_ONLY_ON_PUSH 1045
// "Bring the window to the front": one button a RaiseMode, in its order, then the delay.
#define IDC_RAISE_FIRST 1050
#define IDC_RAISE_DELAY 1053
#define IDC_WAIT_UNTIL_STILL 1054
// Offered only while Windows' own hover activation is on.
#define IDC_SYSTEM_HOVER_OFF 1090
