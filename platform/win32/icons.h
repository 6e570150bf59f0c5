#pragma once
#include "platform/shell.h"
#include "platform/win32/win32_api.h"

namespace tarnwick::win32 {

// The program's two pictures at the system's large or small icon size. Shared icons from
// the exe's resources: loaded once, never destroyed.
HICON LoadProgramIcon(IconId icon, bool small);

}  // namespace tarnwick::win32
