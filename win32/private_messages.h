#pragma once
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// Messages the program posts to its own main window.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;  // lParam: the mouse message
inline constexpr UINT kKeyPressMessage = WM_APP + 2;      // wParam: key code, lParam: modifiers
// A second start asks to be seen; answers 1 when shown, 0 while the program is ending.
inline constexpr UINT kShowYourselfMessage = WM_APP + 3;
// The first key of a burst, posted by the keyboard hook; wParam: the window then in front.
inline constexpr UINT kKeyBurstMessage = WM_APP + 4;
// The keyboard hook's thread saw the cursor move.
inline constexpr UINT kCursorMovedMessage = WM_APP + 5;
// Asked by tests from another process: wParam an ObjectKind; answers how many live.
inline constexpr UINT kLiveObjectsMessage = WM_APP + 20;

inline constexpr wchar_t kMainWindowClass[] = L"TarnwickMainWindow";

}  // namespace tarnwick::win32
