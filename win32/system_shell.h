#pragma once
#include <optional>

#include "backend/foreground_activation.h"
#include "seam/shell.h"
#include "win32/win32_api.h"
// clang-format off
#include <shellapi.h>
// clang-format on

namespace tarnwick::win32 {

// The tray icon's id, the same for both pictures; 1, the id the enabled picture always had.
inline constexpr UINT kTrayIconId = 1;

// What the program says when it meets a window it cannot bring forward.
inline constexpr const char* kElevatedNotice =
    "Tarnwick cannot reach windows of programs run as administrator";

// The shell calls a notice goes through; tests give ones that answer as Windows may.
struct NoticeCalls {
  BOOL (*notifyIcon)(DWORD, PNOTIFYICONDATAW) = Shell_NotifyIconW;
  ULONGLONG (*now)() = GetTickCount64;
};

// Tray icon and its menu, browser and message boxes, all owned by the main window (a message
// box by the program's window the user works in, the Options window say). The window has one
// tray icon at most; the IconId arguments say which picture it shows. The icon reports in
// the shell's fourth way, so that the keyboard can work it; notices appear as its balloon.
class SystemShell : public Shell, public ActivationNotices {
 public:
  explicit SystemShell(HWND mainWindow, NoticeCalls calls = {})
      : mainWindow_(mainWindow), calls_(calls) {}
  bool AddTrayIcon(IconId icon, const std::string& tip) override;
  bool DeleteTrayIcon(IconId icon) override;
  bool ChangeTrayIcon(IconId icon, const std::string& tip) override;
  void ShowTrayMenu(const std::vector<MenuEntry>& entries) override;
  bool OpenDocument(const std::string& address) override;
  void ShowMessage(const std::string& title, const std::string& text, MessageKind kind) override;
  void Trace(const std::string& text) override;
  bool CannotReachElevated() override;

  // Where the next tray menu opens: the point the shell named with the request (the icon's
  // own, when the keyboard asked), instead of the cursor. A menu the keyboard asked for
  // hands the focus back to the icon when it closes.
  void AnchorNextMenu(POINT anchor, bool fromKeyboard);
  // The shell showed the icon's notice balloon.
  void NoticeShown();

  // A notice the shell took but never showed is offered again after this long.
  static constexpr ULONGLONG kNoticeRetryMs = 60000;

 private:
  HWND mainWindow_;
  NoticeCalls calls_;
  std::optional<ULONGLONG> noticeSentAt_;  // a notice waits for the shell to show it
  bool noticeShown_ = false;
  std::optional<POINT> menuAnchor_;
  bool menuFromKeyboard_ = false;
};

}  // namespace tarnwick::win32
