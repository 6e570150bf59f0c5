#pragma once
// Shared by Tarnwick.rc and the Win32 code; the icon ids equal the IconId values.
#define IDI_TARNWICK 1
#define IDI_TARNWICK_DISABLED 2
