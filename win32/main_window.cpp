#include "win32/main_window.h"

// clang-format off
#include <windowsx.h>
// clang-format on

#include <cstring>

#include "win32/dpi.h"
#include "win32/form_layout.h"
#include "win32/guarded.h"
#include "win32/icons.h"
#include "win32/live_objects.h"
#include "win32/message_filter.h"
#include "win32/private_messages.h"
#include "win32/system_shell.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

bool RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  const int dpi = DpiOf(nullptr);
  windowClass.hIcon = LoadProgramIcon(IconId::kApplication, false, dpi);
  windowClass.hIconSm = LoadProgramIcon(IconId::kApplication, true, dpi);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// GUID_CONSOLE_DISPLAY_STATE: whether the display is off (0), on (1) or dimmed (2).
constexpr GUID kConsoleDisplayState{
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

// The display's state in a power-setting report, or nothing for another setting.
std::optional<DWORD> DisplayState(LPARAM lParam) {
  const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
  if (setting == nullptr || !IsEqualGUID(setting->PowerSetting, kConsoleDisplayState) ||
      setting->DataLength < sizeof(DWORD)) {
    return std::nullopt;
  }
  DWORD state = 0;
  memcpy(&state, setting->Data, sizeof(state));
  return state;
}

}  // namespace

MainWindow::~MainWindow() {
  options_.Close();
  view_.reset();
  Destroy();
}

void MainWindow::Destroy() {
  options_.Close();  // a window of its own, not owned by this one
  if (window_ == nullptr) return;
  sessions_.Stop();
  if (displayNotification_ != nullptr) UnregisterPowerSettingNotification(displayNotification_);
  displayNotification_ = nullptr;
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  SetMenu(window_, nullptr);
  DestroyMenuBar(menuBar_);
  if (DestroyWindow(window_)) CountDestroyed(ObjectKind::kWindow);
  window_ = nullptr;
}

bool MainWindow::Create(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance, &MainWindow::Procedure)) return false;
  window_ = CreateWindowExW(0, kMainWindowClass, Widen(kWindowCaption).c_str(), WS_OVERLAPPEDWINDOW,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            nullptr, instance, nullptr);
  if (window_ == nullptr) return false;
  CountCreated(ObjectKind::kWindow);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  AllowMessagesFromOtherProcesses(window_, MessagesFromOtherProcesses(taskbarCreatedMessage_));
  // Without them the hook is only checked by its own health timer after a lock.
  sessions_.Start(window_);
  displayNotification_ =
      RegisterPowerSettingNotification(window_, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
  SetIcon(IconId::kApplication);
  FitClientArea(DpiOf(window_));
  return true;
}

void MainWindow::Bind(Form1& form, SystemEventLoop& loop) {
  form_ = &form;
  loop_ = &loop;
  SetWindowTextW(window_, Widen(form.caption).c_str());
  menuBar_ = BuildMenuBar(form);
  if (menuBar_.menu != nullptr) SetMenu(window_, menuBar_.menu);
  view_ = std::make_unique<FormView>(window_, form);
  FitClientArea(DpiOf(window_));
}

void MainWindow::FitClientArea(int dpi) {
  // The frame's size depends on the style, menu and DPI; measure it instead of guessing.
  RECT windowRect{}, clientRect{};
  GetWindowRect(window_, &windowRect);
  GetClientRect(window_, &clientRect);
  const int frameWidth = (windowRect.right - windowRect.left) - clientRect.right;
  const int frameHeight = (windowRect.bottom - windowRect.top) - clientRect.bottom;
  SetWindowPos(window_, nullptr, 0, 0, TwipsToPixels(kClientWidthTwips, dpi) + frameWidth,
               TwipsToPixels(kClientHeightTwips, dpi) + frameHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Show() {
  if (!shownBefore_) {
    shownBefore_ = true;
    ShowWindow(window_, SW_SHOWNORMAL);
    if (view_ != nullptr && GetActiveWindow() == window_) SetFocus(view_->FirstFocus());
    return;
  }
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  // A click on the tray icon, or a second start, hands us the right to come forward.
  SetForegroundWindow(window_);
}

void MainWindow::Hide() {
  ShowWindow(window_, SW_HIDE);
}

void MainWindow::ShowOptions() {
  if (form_ != nullptr) options_.Open(*form_);
}

void MainWindow::SetIcon(IconId icon) {
  icon_ = icon;
  ShowProgramIcons(window_, icon, DpiOf(window_));
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->form_ == nullptr) {
    // Before the model is bound only timers matter; everything else gets default handling.
    if (self != nullptr && message == WM_TIMER) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

void MainWindow::HookMayBeLost(HookReinstallReason reason) {
  if (hookMayBeLost_) hookMayBeLost_(reason);
}

void MainWindow::TrayCallback(WPARAM wParam, LPARAM lParam) {
  // The fourth way of reporting names the icon beside the event, and the point the menu
  // belongs at in place of the icon; the classic way names the event alone.
  const bool fourthWay = HIWORD(lParam) == kTrayIconId;
  const TrayRequest request = trayNotifications_.OnNotification(LOWORD(lParam), fourthWay);
  if (request.noticeShown && shell_ != nullptr) shell_->NoticeShown();
  if (!request.event) return;
  POINT anchor{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
  if (!fourthWay) GetCursorPos(&anchor);
  if (request.event == TrayEvent::kMenuRequested && shell_ != nullptr) {
    shell_->AnchorNextMenu(anchor, request.fromKeyboard);
  }
  form_->TrayNotification(*request.event);
}

bool MainWindow::HandleCommand(UINT id, UINT code) {
  if (view_ != nullptr && view_->OnCommand(id, code)) return true;
  // The dialog manager turns Enter into IDOK; the window has no default button.
  if (id == IDOK && view_ != nullptr) {
    view_->EnterPressed();
    return true;
  }
  auto item = menuBar_.items.find(id);
  if (item == menuBar_.items.end()) return false;
  form_->MenuItemChosen(*item->second);
  return true;
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  std::optional<LRESULT> result;  // nothing: the default handling follows
  switch (message) {
    case WM_TIMER:
      result = OnTimer(wParam);
      break;
    case WM_COMMAND:
      result = OnCommand(wParam);
      break;
    case kTrayCallbackMessage:
      result = OnTrayCallback(wParam, lParam);
      break;
    case kKeyPressMessage:
      result = OnKeyPress(wParam, lParam);
      break;
    case kKeyBurstMessage:
      if (keyBurst_) Guarded([&] { keyBurst_(wParam); });
      result = 0;
      break;
    case kShowYourselfMessage:
      result = OnShowYourself();
      break;
    case kLiveObjectsMessage:
      result = LiveObjects(static_cast<int>(wParam));
      break;
    case WM_QUERYENDSESSION:
      result = TRUE;  // nothing to save: every setting is stored when it changes
      break;
    case WM_ENDSESSION:
      result = OnEndSession(wParam);
      break;
    case WM_POWERBROADCAST:
      result = OnPowerBroadcast(wParam, lParam);
      break;
    case WM_WTSSESSION_CHANGE:
      result = OnSessionChange(wParam);
      break;
    case WM_CLOSE:
      result = OnClose();
      break;
    case WM_DESTROY:
      result = OnDestroy();
      break;
    case WM_ACTIVATE:
      result = OnActivate(wParam);
      break;
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:  // the work area, the cursor settings
      OnDisplayChange();
      break;
    case kCursorMovedMessage:
      if (cursorMoved_) Guarded([&] { cursorMoved_(); });
      result = 0;
      break;
    case WM_INPUT:
      OnRawInput(lParam);
      break;  // DefWindowProc frees the input
    case WM_DPICHANGED:
      result = OnDpiChanged(wParam, lParam);
      break;
    default:
      if (message == taskbarCreatedMessage_ && message != 0) result = OnTaskbarCreated();
      break;
  }
  return result ? *result : DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT MainWindow::OnTimer(WPARAM timerId) {
  Guarded([&] { loop_->DispatchTimer(timerId); });
  return 0;
}

std::optional<LRESULT> MainWindow::OnCommand(WPARAM wParam) {
  bool handled = false;
  Guarded([&] { handled = HandleCommand(LOWORD(wParam), HIWORD(wParam)); });
  if (handled) return 0;
  return std::nullopt;
}

LRESULT MainWindow::OnTrayCallback(WPARAM wParam, LPARAM lParam) {
  Guarded([&] { TrayCallback(wParam, lParam); });
  return 0;
}

LRESULT MainWindow::OnKeyPress(WPARAM keyCode, LPARAM modifiers) {
  // A chord typed into the Options window is being chosen, not given.
  if (options_.RecordingChord()) return 0;
  Guarded(
      [&] { form_->WinHook1_KeyEvent(static_cast<int>(keyCode), static_cast<int>(modifiers)); });
  return 0;
}

LRESULT MainWindow::OnShowYourself() {
  // An ending program says so: the new start then waits for it and takes over.
  if (loop_->QuitRequested()) return 0;
  Guarded([&] { form_->SecondStartRequested(); });
  return 1;
}

LRESULT MainWindow::OnEndSession(WPARAM ending) {
  // The system may end the process as soon as this returns: leave as Exit does.
  if (ending != FALSE) Guarded([&] { form_->Exit_Click(); });
  return 0;
}

LRESULT MainWindow::OnPowerBroadcast(WPARAM event, LPARAM setting) {
  // Every resume brings the automatic one; the other follows when a user woke the computer.
  if (event == PBT_APMRESUMEAUTOMATIC) HookMayBeLost(HookReinstallReason::kResumed);
  if (event != PBT_POWERSETTINGCHANGE) return TRUE;
  if (const auto state = DisplayState(setting); state && displayReturn_.BackOnAfterOff(*state)) {
    HookMayBeLost(HookReinstallReason::kDisplayBack);
  }
  return TRUE;
}

LRESULT MainWindow::OnSessionChange(WPARAM change) {
  // Back from the lock screen or from another user's session: the secure desktop may have
  // cost us the hook.
  if (change == WTS_SESSION_UNLOCK || change == WTS_CONSOLE_CONNECT ||
      change == WTS_REMOTE_CONNECT) {
    HookMayBeLost(HookReinstallReason::kSessionBack);
  }
  return 0;
}

LRESULT MainWindow::OnClose() {
  Guarded([&] { form_->Form_Unload(); });
  return 0;
}

LRESULT MainWindow::OnDestroy() {
  if (!loop_->QuitRequested()) loop_->Quit();
  return 0;
}

LRESULT MainWindow::OnActivate(WPARAM state) {
  // Remember the focused control across deactivation, as a dialog box does.
  if (LOWORD(state) == WA_INACTIVE) {
    lastFocus_ = GetFocus();
  } else if (view_ != nullptr) {
    HWND focus =
        lastFocus_ != nullptr && IsChild(window_, lastFocus_) ? lastFocus_ : view_->FirstFocus();
    SetFocus(focus);
    Guarded([&] { view_->Reactivated(focus); });
  }
  return 0;
}

void MainWindow::OnDisplayChange() {
  Guarded([&] { form_->Form_DisplayChange(); });
}

void MainWindow::OnRawInput(LPARAM input) {
  if (rawInput_) Guarded([&] { rawInput_(reinterpret_cast<HRAWINPUT>(input)); });
}

LRESULT MainWindow::OnDpiChanged(WPARAM dpis, LPARAM suggestedRect) {
  const auto* suggested = reinterpret_cast<const RECT*>(suggestedRect);
  SetWindowPos(window_, nullptr, suggested->left, suggested->top,
               suggested->right - suggested->left, suggested->bottom - suggested->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (view_ != nullptr) view_->Layout(HIWORD(dpis));
  ShowProgramIcons(window_, icon_, HIWORD(dpis));
  // The tray icon stays as it is: the taskbar did not move with this window.
  OnDisplayChange();
  return 0;
}

LRESULT MainWindow::OnTaskbarCreated() {
  Guarded([&] { form_->TaskbarCreated(); });
  return 0;
}

}  // namespace tarnwick::win32
