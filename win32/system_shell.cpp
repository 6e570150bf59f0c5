#include "win32/system_shell.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "app/product.h"
#include "win32/icons.h"
#include "win32/live_objects.h"
#include "win32/private_messages.h"
#include "win32/text_conversion.h"

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

namespace {

void CopyText(const std::string& text, wchar_t* field, size_t capacity) {
  const std::wstring wide = Widen(text);
  const size_t length = std::min(wide.size(), capacity - 1);
  std::copy_n(wide.begin(), length, field);
  field[length] = L'\0';
}

// The picture and the tip; with the fourth way of reporting the shell shows the tip only
// when asked to.
NOTIFYICONDATAW PictureRecord(HWND window, IconId icon, const std::string& tip) {
  NOTIFYICONDATAW record = IconRecord(window);
  record.uFlags = NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  record.hIcon = LoadTrayIcon(icon);
  CopyText(tip, record.szTip, std::size(record.szTip));
  return record;
}

}  // namespace

bool SystemShell::AddTrayIcon(IconId icon, const std::string& tip) {
  NOTIFYICONDATAW record = PictureRecord(mainWindow_, icon, tip);
  record.uFlags |= NIF_MESSAGE;
  // A private message: the mouse-move message would be confused with real mouse moves.
  record.uCallbackMessage = kTrayCallbackMessage;
  if (!Shell_NotifyIconW(NIM_ADD, &record)) return false;
  // Where the shell knows only the classic way, it keeps reporting that way: both are read.
  record.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &record);
  return true;
}

bool SystemShell::DeleteTrayIcon(IconId) {
  NOTIFYICONDATAW record = IconRecord(mainWindow_);
  return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
}

bool SystemShell::ChangeTrayIcon(IconId icon, const std::string& tip) {
  NOTIFYICONDATAW record = PictureRecord(mainWindow_, icon, tip);
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

bool SystemShell::CannotReachElevated() {
  // A balloon on the icon, when there is one; else it waits for one. A message box would
  // stop the user for something only worth a glance. In the user's quiet time (the first
  // hour of a new account, which the notification state may hide behind a stronger state)
  // the shell takes the balloon, says so, and drops it unshown: a notice is given only once
  // the shell says it showed it, and one it never showed is offered again at a later try.
  if (noticeShown_) {
    noticeShown_ = false;
    noticeSentAt_.reset();
    return true;
  }
  const ULONGLONG now = calls_.now();
  if (noticeSentAt_ && now - *noticeSentAt_ < kNoticeRetryMs) return false;
  NOTIFYICONDATAW record = IconRecord(mainWindow_);
  record.uFlags = NIF_INFO;
  record.dwInfoFlags = NIIF_INFO | NIIF_RESPECT_QUIET_TIME;
  CopyText(kApplicationName, record.szInfoTitle, std::size(record.szInfoTitle));
  CopyText(kElevatedNotice, record.szInfo, std::size(record.szInfo));
  if (calls_.notifyIcon(NIM_MODIFY, &record) != FALSE) noticeSentAt_ = now;
  return false;
}

void SystemShell::NoticeShown() {
  if (noticeSentAt_) noticeShown_ = true;
}

void SystemShell::AnchorNextMenu(POINT anchor, bool fromKeyboard) {
  menuAnchor_ = anchor;
  menuFromKeyboard_ = fromKeyboard;
}

void SystemShell::ShowTrayMenu(const std::vector<MenuEntry>& entries) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return;
  CountCreated(ObjectKind::kMenu);
  // Item ids are the entries' positions plus one: 0 is what a dismissed menu returns.
  for (size_t index = 0; index < entries.size(); ++index) {
    const MenuEntry& entry = entries[index];
    const std::wstring caption = Widen(entry.caption);
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    item.wID = static_cast<UINT>(index + 1);
    item.fType = caption.empty() ? MFT_SEPARATOR : MFT_STRING;
    item.fState = (entry.checked ? MFS_CHECKED : 0U) | (entry.isDefault ? MFS_DEFAULT : 0U);
    item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    InsertMenuItemW(menu, static_cast<UINT>(index), TRUE, &item);
  }
  POINT at{};
  if (menuAnchor_) {
    at = *menuAnchor_;
  } else {
    GetCursorPos(&at);
  }
  const bool fromKeyboard = std::exchange(menuFromKeyboard_, false);
  menuAnchor_.reset();
  // The rules for a tray icon's menu: its owner in front first, or the menu stays open
  // when the user clicks elsewhere and takes no keys; a message after it, or the next
  // opening may close at once.
  SetForegroundWindow(mainWindow_);
  const UINT alignment =
      GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const auto chosen = static_cast<size_t>(
      TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | alignment, at.x, at.y,
                       mainWindow_, nullptr));
  PostMessageW(mainWindow_, WM_NULL, 0, 0);
  if (fromKeyboard) {
    // The keyboard user goes on in the notification area, where the menu came from.
    NOTIFYICONDATAW record = IconRecord(mainWindow_);
    Shell_NotifyIconW(NIM_SETFOCUS, &record);
  }
  if (DestroyMenu(menu)) CountDestroyed(ObjectKind::kMenu);
  // After the menu has gone: the action may open a window, show a message or end the program.
  if (chosen >= 1 && chosen <= entries.size() && entries[chosen - 1].action) {
    entries[chosen - 1].action();
  }
}

bool SystemShell::OpenDocument(const std::string& address) {
  const HINSTANCE result =
      ShellExecuteW(nullptr, nullptr, Widen(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void SystemShell::ShowMessage(const std::string& title, const std::string& text, MessageKind kind) {
  // Owned by the program's window the user works in, so that the box keeps that one still
  // (the Options window refusing a chord, say), else by the main window.
  HWND owner = GetActiveWindow();
  if (owner == nullptr) owner = mainWindow_;
  UINT icon = MB_ICONINFORMATION;
  if (kind == MessageKind::kWarning) icon = MB_ICONWARNING;
  if (kind == MessageKind::kError) icon = MB_ICONERROR;
  MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), MB_OK | icon);
}

void SystemShell::Trace(const std::string& text) {
  OutputDebugStringW(Widen(text + "\n").c_str());
}

}  // namespace tarnwick::win32
