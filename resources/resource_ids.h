#pragma once
// Shared by Tarnwick.rc and the Win32 code; the icon ids equal the IconId values.
#define IDI_TARNWICK 1
#define IDI_TARNWICK_DISABLED 2

// The Options window. Each hotkey row is a label, the hotkey control and its "None" button,
// the rows in the order of HotkeyCommand: the first id plus the command's number.
#include "app/option_controls.h"
#define IDD_OPTIONS 100
#define IDC_HOTKEY_LABEL_FIRST 1010
#define IDC_HOTKEY_NONE_FIRST 1030
#define IDC_APPLY 1044
// Offered only while Windows' own hover activation is on.
#define IDC_SYSTEM_HOVER_OFF 1090
