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
// exe moves to another folder. One id whatever the picture: Windows 11 remembers per icon
// whether the user brought it out of the overflow, and a toggle must not forget that.
NOTIFYICONDATAW IconRecord(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(NOTIFYICONDATAW);
  record.hWnd = window;
  record.uID = kTrayIconId;
  return record;
}

}  // namespace

bool SystemShell::AddTrayIcon(IconId icon, const std::string& tip) {
  NOTIFYICONDATAW record = IconRecord(mainWindow_);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  // A private message: the mouse-move message would be confused with real mouse moves.
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = LoadProgramIcon(icon, true, DpiOf(mainWindow_));
  const std::wstring wideTip = Widen(tip);
  const size_t length = std::min(wideTip.size(), std::size(record.szTip) - 1);
  std::copy_n(wideTip.begin(), length, record.szTip);
  return Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
}

bool SystemShell::DeleteTrayIcon(IconId) {
  NOTIFYICONDATAW record = IconRecord(mainWindow_);
  return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

bool RescaleTrayIcon(HWND mainWindow, IconId picture, int dpi) {
  NOTIFYICONDATAW record = IconRecord(mainWindow);
  record.uFlags = NIF_ICON;
  record.hIcon = LoadProgramIcon(picture, true, dpi);
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
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
