#include "platform/win32/system_shell.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/icons.h"
#include "platform/win32/private_messages.h"
#include "platform/win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

// The icon is named by window and id, never by GUID: a GUID icon breaks when an unsigned
// exe moves to another folder.
NOTIFYICONDATAW IconRecord(HWND window, IconId icon) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(NOTIFYICONDATAW);
  record.hWnd = window;
  record.uID = static_cast<UINT>(icon);
  return record;
}

}  // namespace

bool SystemShell::AddTrayIcon(IconId icon, const std::string& tip) {
  NOTIFYICONDATAW record = IconRecord(mainWindow_, icon);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  // A private message: the mouse-move message would be confused with real mouse moves.
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = LoadProgramIcon(icon, true, DpiOf(mainWindow_));
  const std::wstring wideTip = Widen(tip);
  const size_t length = std::min(wideTip.size(), std::size(record.szTip) - 1);
  std::copy_n(wideTip.begin(), length, record.szTip);
  return Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
}

bool SystemShell::DeleteTrayIcon(IconId icon) {
  NOTIFYICONDATAW record = IconRecord(mainWindow_, icon);
  return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

int RescaleTrayIcons(HWND mainWindow, int dpi) {
  int updated = 0;
  for (IconId icon : {IconId::kApplication, IconId::kDisabled}) {
    NOTIFYICONDATAW record = IconRecord(mainWindow, icon);
    record.uFlags = NIF_ICON;
    record.hIcon = LoadProgramIcon(icon, true, dpi);
    if (Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE) ++updated;
  }
  return updated;
}

bool SystemShell::OpenDocument(const std::string& address) {
  const HINSTANCE result =
      ShellExecuteW(nullptr, nullptr, Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void SystemShell::ShowMessage(const std::string& title, const std::string& text) {
  MessageBoxW(mainWindow_, Widen(text).c_str(), Widen(title).c_str(), MB_OK);
}

}  // namespace tarnwick::win32
