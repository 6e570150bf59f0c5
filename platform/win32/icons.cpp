#include "platform/win32/icons.h"

namespace tarnwick::win32 {

HICON LoadProgramIcon(IconId icon, bool small) {
  const int width = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
  const int height = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                       MAKEINTRESOURCEW(static_cast<int>(icon)), IMAGE_ICON, width,
                                       height, LR_SHARED));
}

}  // namespace tarnwick::win32
