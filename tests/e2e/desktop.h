#pragma once
// What a user (or a second program) can do to and see of the real Tarnwick.exe from
// another process: start and stop it, read its controls, click, type, move the cursor,
// press global chords, look at the foreground window, the registry and the tray.
#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"

namespace tarnwick::e2e {

using namespace std::chrono_literals;

// Generous: a cold Wine takes seconds for what a real desktop does in milliseconds. Only
// ever a ceiling for polling, never an expectation.
inline constexpr std::chrono::milliseconds kPatience = 15000ms;

// Set once from the command line: the program under test, as a Windows path.
void SetTarnwickPath(const std::wstring& path);
const std::wstring& TarnwickPath();

// Converts "/work/x/Tarnwick.exe" to "Z:\work\x\Tarnwick.exe"; Windows paths pass through.
std::wstring ToWindowsPath(std::wstring_view path);

// Waiting. Both pump this thread's messages, so the test's own windows keep answering
// activation and paint requests while another process works on them.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kPatience);
void Pause(std::chrono::milliseconds duration);

// Window inspection, safe across processes.
// WM_GETTEXT: an edit box's current text, not its first; "<no answer>" after `timeout`.
std::wstring TextOf(HWND window, std::chrono::milliseconds timeout = 5000ms);
std::wstring ClassOf(HWND window);
DWORD ProcessOf(HWND window);
bool IsTopmost(HWND window);
bool IsAbove(HWND upper, HWND lower);  // in the Z order of top-level windows
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
HWND TopLevelAt(POINT at);  // the root of the window a click there would reach
// Whether the window's thread answers a message within `timeout`.
bool Answers(HWND window, std::chrono::milliseconds timeout);

enum class ControlKind { kPushButton, kCheckBox, kGroupBox, kLabel, kEdit, kOther };

struct Control {
  HWND window = nullptr;
  ControlKind kind = ControlKind::kOther;
  std::wstring text;
  RECT rect{};  // screen coordinates
};

std::vector<Control> ControlsOf(HWND parent);  // every descendant, in creation order

// The one control of `kind` whose text is exactly `text`, or nullptr.
HWND FindControl(HWND parent, ControlKind kind, std::wstring_view text);
// The edit box that lies inside the group box captioned `frame`, or nullptr.
HWND EditInFrame(HWND parent, std::wstring_view frame);
int CheckStateOf(HWND checkBox);  // BM_GETCHECK
// BM_CLICK, the notification a mouse click gives. Posted, not sent: a click that opens a
// message box would not return until the box is closed.
void ClickButton(HWND button);

// Real input through SendInput, as from the user's own hands.
POINT CenterOf(HWND window);
POINT ClientSpotOf(HWND window);  // near the bottom-right corner of its client area
void MoveCursor(POINT to);        // and wait until it stays there
void JumpCursor(POINT to);        // SetCursorPos alone: the program may move it on at once
void MoveBy(int dx, int dy);      // the mouse moved by so much, as a hand moves it
POINT CursorPosition();
bool WaitForCursor(POINT expected, std::chrono::milliseconds timeout = kPatience);
void ClickAt(POINT at);
// The left button held down where the cursor is, as at the start of a drag. Released by
// Release() or at the latest when the object goes, so a failed check leaves no button down
// for the cases that follow.
class HeldLeftButton {
 public:
  HeldLeftButton();
  HeldLeftButton(const HeldLeftButton&) = delete;
  HeldLeftButton& operator=(const HeldLeftButton&) = delete;
  ~HeldLeftButton() { Release(); }
  void Release();

 private:
  bool held_ = true;
};
// Keys held down, as a hand holds Ctrl+Shift; released in reverse order by Release() or at
// the latest when the object goes.
class HeldKeys {
 public:
  explicit HeldKeys(std::vector<WORD> keys);
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;
  ~HeldKeys() { Release(); }
  void Release();

 private:
  std::vector<WORD> keys_;
};
// The right button pressed and released at `at`, as for a context menu.
void RightClickAt(POINT at);
void PressKey(WORD virtualKey);
// Modifier keys held down in order, `key` pressed, then the modifiers released.
void PressChord(std::initializer_list<WORD> modifiers, WORD key);
void PressCtrlShift(wchar_t letter);
void PressCtrlShiftAlt(wchar_t letter);  // e.g. Ctrl+Shift+T
void TypeText(std::wstring_view text);   // digits, letters, '.', '-'
// Clicks into an edit box, replaces its whole text by typing, and optionally tabs away;
// false when the box never took the focus or never showed the typed text.
bool ReplaceEditText(HWND edit, std::wstring_view text, bool tabAway);

// The program's settings, HKCU\Software\Tarnwick\<section>, read and written directly.
void DeleteAllSettings();
void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
std::optional<std::wstring> ReadSetting(const std::wstring& section, const std::wstring& key);
std::vector<std::wstring> SettingSections();                               // subkeys
std::vector<std::wstring> SettingValueNames(const std::wstring& section);  // "" = the root

// The notification area of Wine's virtual desktop.
HWND TrayWindow();
int TrayIconCount();
void ClickTrayIcon();  // a left click on the rightmost (with one program: the only) icon
void RightClickTrayIcon();

// A visible menu (#32768) of the given process, or nullptr.
HWND MenuOf(DWORD processId);
// The Options window of the given process, by its caption, or nullptr.
HWND OptionsWindowOf(DWORD processId);
// Opens the Options window as a user does, File > Options... with the keyboard (Alt+F, O),
// bringing the main window to the front first; the window, or nullptr once `timeout` ends.
HWND OpenOptionsFromMenu(HWND mainWindow, std::chrono::milliseconds timeout = kPatience);

// A message box of the given process (not its Options window): its text, caption and OK
// button.
HWND FindMessageBox(DWORD processId);
std::wstring MessageBoxText(HWND box);
void PressMessageBoxOk(HWND box);

// One running Tarnwick.exe. Exit() goes through its own Exit button; the destructor
// falls back to TerminateProcess for a program that no longer answers.
class Tarnwick {
 public:
  ~Tarnwick();

  // Starts the program and waits for its main window; false (with a note on stderr)
  // when either fails.
  bool Start();
  bool StartProcess();   // without waiting for any window
  bool WaitForWindow();  // the rest of Start: its main window there, and shown
  bool WaitForExit(std::chrono::milliseconds timeout = kPatience);
  bool Exit();  // clicks "E&xit" and waits for the process to end
  bool Running() const { return process_.Running(); }
  // Ends the process at once, as a crash or Task Manager's "End task" would.
  void Kill() { process_.Terminate(); }

  DWORD Id() const { return process_.Id(); }
  HANDLE Process() const { return process_.Handle(); }
  HWND MainWindow() const { return mainWindow_; }
  HWND Control(ControlKind kind, std::wstring_view text) const;
  std::wstring Caption(ControlKind kind, std::wstring_view text) const;

 private:
  ChildProcess process_;
  HWND mainWindow_ = nullptr;
};

// The program's main window among the top-level windows of `processId`, by its caption.
HWND FindMainWindow(DWORD processId);

// A top-level window owned by this test process, with a push button inside it so that
// the cursor can rest on a child control. Destroyed with the object.
class TargetWindow {
 public:
  // Shown as a new window is (activated), or in the background, as a notification or a
  // window of a program starting up in the background appears.
  enum class Showing { kActivated, kInBackground };

  TargetWindow(const std::wstring& title, RECT bounds, Showing showing = Showing::kActivated);
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  ~TargetWindow();

  HWND Handle() const { return window_; }
  HWND Child() const { return child_; }
  POINT ClientSpot() const;  // a point of the window's own client area, off the child
  void Raise() const;        // to the top of the Z order without activating it

 private:
  HWND window_ = nullptr;
  HWND child_ = nullptr;
};

// Wine's own notepad.exe, started by the test and ended with the object.
class Notepad {
 public:
  bool Start(RECT bounds);
  HWND Handle() const { return window_; }

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
};

// Every window of the desktop with its class, text and process, for failure messages.
std::string DescribeDesktop();
std::string DescribeWindow(HWND window);  // handle, class and title

std::string Narrow(std::wstring_view text);

}  // namespace tarnwick::e2e
