#pragma once
#include <functional>
#include <memory>
#include <optional>

#include "app/form1.h"
#include "hotkeys/hook_health.h"
#include "seam/form_window.h"
#include "win32/form_view.h"
#include "win32/menu_bar.h"
#include "win32/options_dialog.h"
#include "win32/session_notifications.h"
#include "win32/system_event_loop.h"
#include "win32/system_shell.h"
#include "win32/tray_notifications.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The real main window: a sizeable, captioned top-level window in the taskbar, holding the
// controls and menu of Form1. It turns window messages into calls of Form1's handlers.
class MainWindow : public FormWindow {
 public:
  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() override;

  // Creates the window hidden; false when the system refused.
  bool Create(HINSTANCE instance);
  // Destroys the window now (the destructor does it too): an ending program lets a new
  // start see at once that it is gone.
  void Destroy();
  HWND Handle() const { return window_; }
  // Builds the controls and menu from the model and starts routing messages to it.
  void Bind(Form1& form, SystemEventLoop& loop);
  const FormView* View() const { return view_.get(); }
  // Called when the keyboard hook may have been lost: after sleep, after an unlock, when
  // the display comes back on after it was off.
  void OnHookMayBeLost(std::function<void(HookReinstallReason)> reinstall) {
    hookMayBeLost_ = std::move(reinstall);
  }
  // The keyboard hook's thread tells of cursor moves here.
  void OnCursorMoved(std::function<void()> moved) { cursorMoved_ = std::move(moved); }
  // Raw mouse input arrives here as WM_INPUT; `read` turns each message into a movement.
  void OnRawInput(std::function<void(HRAWINPUT)> read) { rawInput_ = std::move(read); }
  // The keyboard hook's message at the first key of a burst arrives here.
  void OnKeyBurst(std::function<void(WPARAM)> burst) { keyBurst_ = std::move(burst); }
  // The shell that shows the tray icon's menu, told where the icon asked for it.
  void UseShell(SystemShell* shell) { shell_ = shell; }

  void Show() override;
  void Hide() override;
  void SetIcon(IconId icon) override;
  void ShowOptions() override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Hands each message to its OnX; nothing for the default handling.
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnTimer(WPARAM timerId);
  std::optional<LRESULT> OnCommand(WPARAM wParam);
  LRESULT OnTrayCallback(WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyPress(WPARAM keyCode, LPARAM modifiers);
  LRESULT OnShowYourself();
  LRESULT OnEndSession(WPARAM ending);
  LRESULT OnPowerBroadcast(WPARAM event, LPARAM setting);
  LRESULT OnSessionChange(WPARAM change);
  LRESULT OnClose();
  LRESULT OnDestroy();
  LRESULT OnActivate(WPARAM state);
  void OnDisplayChange();
  void OnRawInput(LPARAM input);
  LRESULT OnDpiChanged(WPARAM dpis, LPARAM suggestedRect);
  LRESULT OnTaskbarCreated();
  bool HandleCommand(UINT id, UINT code);
  void HookMayBeLost(HookReinstallReason reason);
  void TrayCallback(WPARAM wParam, LPARAM lParam);
  void FitClientArea(int dpi);

  HWND window_ = nullptr;
  Form1* form_ = nullptr;
  SystemEventLoop* loop_ = nullptr;
  std::unique_ptr<FormView> view_;
  MenuBar menuBar_;
  OptionsDialog options_;
  HWND lastFocus_ = nullptr;
  UINT taskbarCreatedMessage_ = 0;
  SessionNotifications sessions_;
  HPOWERNOTIFY displayNotification_ = nullptr;
  SystemShell* shell_ = nullptr;
  TrayNotifications trayNotifications_;
  std::function<void(HookReinstallReason)> hookMayBeLost_;
  DisplayReturn displayReturn_;
  std::function<void(HRAWINPUT)> rawInput_;
  std::function<void(WPARAM)> keyBurst_;
  std::function<void()> cursorMoved_;
  IconId icon_ = IconId::kApplication;  // re-set at each DPI change
  bool shownBefore_ = false;
};

}  // namespace tarnwick::win32
