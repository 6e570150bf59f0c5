#pragma once
#include <vector>

#include "win32/win32_api.h"

namespace tarnwick::win32 {

// ChangeWindowMessageFilterEx's shape, so tests can stand in for it.
using MessageFilterFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, PCHANGEFILTERSTRUCT);

// What other processes send the main window that must reach it even when this process runs
// elevated and they do not: the taskbar's re-creation, the tray icon's callback (from
// Explorer), a second start's request to show itself. Windows drops messages from a
// process of lower integrity unless the window lets them through; Wine drops nothing.
std::vector<UINT> MessagesFromOtherProcesses(UINT taskbarCreatedMessage);

// Lets each message through `window`'s filter; returns how many the system accepted.
int AllowMessagesFromOtherProcesses(HWND window, const std::vector<UINT>& messages,
                                    MessageFilterFunction filter = &ChangeWindowMessageFilterEx);

}  // namespace tarnwick::win32
