#pragma once
#include "seam/icon_id.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The system's large or small icon size in pixels at a DPI (32 and 16 at 96 DPI on
// Windows, 48 and 24 at 144).
int ProgramIconSize(bool small, int dpi);

// The program's two pictures at the large or small icon size for a DPI, from the exe's
// resources, which hold a frame for every common size. Each picture is loaded once per
// size and kept for the life of the program: callers never destroy it.
HICON LoadProgramIcon(IconId icon, bool small, int dpi);

// Gives a window the picture for its caption and the taskbar at a DPI: the sizes of the
// window's monitor, not the system's.
void ShowProgramIcons(HWND window, IconId icon, int dpi);

}  // namespace tarnwick::win32
