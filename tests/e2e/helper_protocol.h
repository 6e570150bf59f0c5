#pragma once
// What the end-to-end driver and its helper program (tarnwick_e2e_helper.exe) say to each
// other: the helper's command line and the messages the driver posts to its window.
#include <windows.h>

namespace tarnwick::e2e {

// The class of the helper's window, by which the driver finds it among the process's windows.
inline constexpr wchar_t kHelperWindowClass[] = L"TarnwickE2eHelper";

// tarnwick_e2e_helper.exe --title=TEXT --bounds=LEFT,TOP,RIGHT,BOTTOM --release=EVENT
inline constexpr wchar_t kHelperTitleOption[] = L"--title=";
inline constexpr wchar_t kHelperBoundsOption[] = L"--bounds=";
// A named manual-reset event the driver creates; a hang lasts until it is set.
inline constexpr wchar_t kHelperReleaseOption[] = L"--release=";

// Take the foreground and open a popup menu at the screen point (wParam, lParam); the menu
// stays open until the user closes it.
inline constexpr UINT kHelperOpenMenu = WM_APP + 1;
// The same without taking the foreground first, as a program in the background (a tray
// icon's, say) opens one.
inline constexpr UINT kHelperOpenMenuBehind = WM_APP + 2;
// Close the open menu, as the program itself may.
inline constexpr UINT kHelperEndMenu = WM_APP + 3;
// Stop answering: the window's thread waits for the release event without pumping.
inline constexpr UINT kHelperHang = WM_APP + 4;

// A driver that dies mid-case must not leave a program hanging for ever.
inline constexpr DWORD kHelperLongestHangMs = 60000;

}  // namespace tarnwick::e2e
