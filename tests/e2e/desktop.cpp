#include "desktop.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <utility>

#include "tests/common/mouse_move.h"
#include "tests/common/plain_window_class.h"

namespace tarnwick::e2e {
namespace {

constexpr wchar_t kMainCaptionPrefix[] = L"Tarnwick 2.1 - ";
constexpr wchar_t kOptionsCaption[] = L"Tarnwick Options";
constexpr wchar_t kSettingsKey[] = L"Software\\Tarnwick";
constexpr UINT kMessageTimeoutMs = 5000;

std::wstring& PathStorage() {
  static std::wstring path;
  return path;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

ControlKind KindOf(HWND window) {
  const std::wstring className = ClassOf(window);
  if (_wcsicmp(className.c_str(), L"Edit") == 0) return ControlKind::kEdit;
  if (_wcsicmp(className.c_str(), L"Static") == 0) return ControlKind::kLabel;
  if (_wcsicmp(className.c_str(), L"Button") != 0) return ControlKind::kOther;
  switch (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return ControlKind::kPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return ControlKind::kCheckBox;
    case BS_GROUPBOX:
      return ControlKind::kGroupBox;
    default:
      return ControlKind::kOther;
  }
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

WORD VirtualKeyFor(wchar_t character) {
  if (character >= L'0' && character <= L'9') return static_cast<WORD>(character);
  if (character >= L'a' && character <= L'z') return static_cast<WORD>(character - L'a' + L'A');
  if (character == L'.') return VK_OEM_PERIOD;
  if (character == L'-') return VK_OEM_MINUS;
  return 0;
}

HKEY OpenSettings(const std::wstring& section) {
  std::wstring path = kSettingsKey;
  if (!section.empty()) path += L"\\" + section;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

// Wine's explorer paints the notification icons into the taskbar itself, right to left, one
// slot of a small icon plus a two-pixel border each; no window or accessible list stands
// for them. So an icon is seen the way a user sees it: as a painted slot.
int TraySlotWidth() {
  return GetSystemMetrics(SM_CXSMICON) + 4;
}

bool TraySlotPainted(HDC screen, const RECT& tray, int slot) {
  const int right = tray.right - slot * TraySlotWidth();
  const int left = right - TraySlotWidth();
  if (left < tray.left) return false;
  const COLORREF background = GetPixel(screen, right - 1, tray.top + 1);
  for (int y = tray.top + 2; y < tray.bottom - 1; ++y) {
    for (int x = left + 2; x < right - 2; ++x) {
      if (GetPixel(screen, x, y) != background) return true;
    }
  }
  return false;
}

HWND FirstWindowOf(DWORD processId, const std::function<bool(HWND)>& wanted) {
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (wanted(window)) return window;
  }
  return nullptr;
}

}  // namespace

void SetTarnwickPath(const std::wstring& path) {
  PathStorage() = ToWindowsPath(path);
}
const std::wstring& TarnwickPath() {
  return PathStorage();
}

std::wstring ToWindowsPath(std::wstring_view path) {
  if (path.empty() || path.front() != L'/') return std::wstring(path);
  std::wstring converted = L"Z:";
  for (wchar_t character : path) converted += character == L'/' ? L'\\' : character;
  return converted;
}

std::string Narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                      nullptr, nullptr);
  return narrow;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    // cppcheck-suppress nullPointer ; no handles: wait for messages only
    MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void Pause(std::chrono::milliseconds duration) {
  WaitUntil([] { return false; }, duration);
}

std::wstring TextOf(HWND window, std::chrono::milliseconds timeout) {
  wchar_t buffer[1024] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, std::size(buffer), reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, static_cast<UINT>(timeout.count()), &copied)) {
    return L"<no answer>";
  }
  return std::wstring(buffer, std::min<size_t>(copied, std::size(buffer) - 1));
}

std::wstring ClassOf(HWND window) {
  wchar_t buffer[256] = {};
  const int length = GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
  return std::wstring(buffer, static_cast<size_t>(std::max(length, 0)));
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

bool IsTopmost(HWND window) {
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* state = reinterpret_cast<Search*>(data);
        if (ProcessOf(window) == state->processId) state->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TopLevelAt(POINT at) {
  HWND under = WindowFromPoint(at);
  HWND root = GetAncestor(under, GA_ROOT);
  return root ? root : under;  // the desktop window has no root of its own
}

bool Answers(HWND window, std::chrono::milliseconds timeout) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                             static_cast<UINT>(timeout.count()), &ignored) != 0;
}

std::vector<Control> ControlsOf(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  std::vector<Control> controls;
  for (HWND window : windows) {
    Control control;
    control.window = window;
    control.kind = KindOf(window);
    control.text = TextOf(window);
    GetWindowRect(window, &control.rect);
    controls.push_back(std::move(control));
  }
  return controls;
}

HWND FindControl(HWND parent, ControlKind kind, std::wstring_view text) {
  HWND found = nullptr;
  for (const Control& control : ControlsOf(parent)) {
    if (control.kind != kind || control.text != text) continue;
    if (found) return nullptr;  // ambiguous: the caller's text is not a name
    found = control.window;
  }
  return found;
}

HWND EditInFrame(HWND parent, std::wstring_view frame) {
  const std::vector<Control> controls = ControlsOf(parent);
  auto box = std::find_if(controls.begin(), controls.end(), [&](const Control& control) {
    return control.kind == ControlKind::kGroupBox && control.text == frame;
  });
  if (box == controls.end()) return nullptr;
  for (const Control& control : controls) {
    if (control.kind != ControlKind::kEdit) continue;
    POINT middle{(control.rect.left + control.rect.right) / 2,
                 (control.rect.top + control.rect.bottom) / 2};
    if (PtInRect(&box->rect, middle)) return control.window;
  }
  return nullptr;
}

int CheckStateOf(HWND checkBox) {
  DWORD_PTR state = 0;
  if (!SendMessageTimeoutW(checkBox, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                           &state)) {
    return -1;
  }
  return static_cast<int>(state);
}

void ClickButton(HWND button) {
  PostMessageW(button, BM_CLICK, 0, 0);
}

POINT CenterOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ClientSpotOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT spot{client.right - 30, client.bottom - 30};
  ClientToScreen(window, &spot);
  return spot;
}

// A hand on the mouse makes input as it moves the cursor; SetCursorPos alone makes none (on
// Windows, and from another process under Wine), and Tarnwick's idle timers ask the input
// time before they read the cursor. So every move the driver makes is a move plus an input
// event that moves nothing.
void HandMoves(POINT to) {
  SetCursorPos(to.x, to.y);
  INPUT nudge{};
  nudge.type = INPUT_MOUSE;
  nudge.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &nudge, sizeof(INPUT));
}

void JumpCursor(POINT to) {
  HandMoves(to);
}

void MoveCursor(POINT to) {
  // Under Wine a pointer event from X that was still on its way can put the cursor back where
  // an earlier SetCursorPos left it; a click sent then lands there. So move, and wait until
  // the cursor has stayed at the spot for a while, moving it again if it was taken back.
  constexpr auto kSteady = std::chrono::milliseconds(150);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(3000);
  auto steadySince = std::chrono::steady_clock::now();
  HandMoves(to);
  while (std::chrono::steady_clock::now() < deadline) {
    Pause(std::chrono::milliseconds(20));
    const POINT now = CursorPosition();
    if (now.x != to.x || now.y != to.y) {
      HandMoves(to);
      steadySince = std::chrono::steady_clock::now();
    } else if (std::chrono::steady_clock::now() - steadySince >= kSteady) {
      return;
    }
  }
}

void MoveBy(int dx, int dy) {
  test_support::SendMouseMove(dx, dy);
}

POINT CursorPosition() {
  POINT position{};
  GetCursorPos(&position);
  return position;
}

bool WaitForCursor(POINT expected, std::chrono::milliseconds timeout) {
  return WaitUntil(
      [&] {
        const POINT now = CursorPosition();
        return now.x == expected.x && now.y == expected.y;
      },
      timeout);
}

namespace {

// A button going down or up where the cursor is.
INPUT ButtonInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void ClickAt(POINT at) {
  // SetCursorPos, not an absolute SendInput move: under Wine only SetCursorPos also moves the
  // X pointer, and the next pointer event from X would put the cursor back where that is.
  MoveCursor(at);
  Send({ButtonInput(MOUSEEVENTF_LEFTDOWN), ButtonInput(MOUSEEVENTF_LEFTUP)});
}

HeldLeftButton::HeldLeftButton() {
  Send({ButtonInput(MOUSEEVENTF_LEFTDOWN)});
}

void HeldLeftButton::Release() {
  if (!held_) return;
  held_ = false;
  Send({ButtonInput(MOUSEEVENTF_LEFTUP)});
}

HeldKeys::HeldKeys(std::vector<WORD> keys) : keys_(std::move(keys)) {
  std::vector<INPUT> inputs;
  for (WORD key : keys_) inputs.push_back(KeyInput(key, false));
  Send(std::move(inputs));
}

void HeldKeys::Release() {
  std::vector<INPUT> inputs;
  for (auto key = keys_.rbegin(); key != keys_.rend(); ++key) {
    inputs.push_back(KeyInput(*key, true));
  }
  keys_.clear();
  if (!inputs.empty()) Send(std::move(inputs));
}

void RightClickAt(POINT at) {
  MoveCursor(at);
  Send({ButtonInput(MOUSEEVENTF_RIGHTDOWN), ButtonInput(MOUSEEVENTF_RIGHTUP)});
}

void PressChord(std::initializer_list<WORD> modifiers, WORD key) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
    inputs.push_back(KeyInput(*modifier, true));
  }
  Send(std::move(inputs));
}

void PressKey(WORD virtualKey) {
  Send({KeyInput(virtualKey, false), KeyInput(virtualKey, true)});
}

void PressCtrlShift(wchar_t letter) {
  const WORD key = VirtualKeyFor(static_cast<wchar_t>(towlower(letter)));
  Send({KeyInput(VK_CONTROL, false), KeyInput(VK_SHIFT, false), KeyInput(key, false),
        KeyInput(key, true), KeyInput(VK_SHIFT, true), KeyInput(VK_CONTROL, true)});
}

void PressCtrlShiftAlt(wchar_t letter) {
  const WORD key = VirtualKeyFor(static_cast<wchar_t>(towlower(letter)));
  Send({KeyInput(VK_CONTROL, false), KeyInput(VK_SHIFT, false), KeyInput(VK_MENU, false),
        KeyInput(key, false), KeyInput(key, true), KeyInput(VK_MENU, true),
        KeyInput(VK_SHIFT, true), KeyInput(VK_CONTROL, true)});
}

void TypeText(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (wchar_t character : text) {
    const WORD key = VirtualKeyFor(character);
    if (key == 0) continue;
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
  }
  if (!inputs.empty()) Send(std::move(inputs));
}

bool ReplaceEditText(HWND edit, std::wstring_view text, bool tabAway) {
  // The click activates the program; keys typed before the box holds the focus would go to
  // another control. A user whose click went astray clicks again.
  const auto hasFocus = [edit] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(edit, nullptr), &info) &&
           info.hwndFocus == edit;
  };
  bool focused = false;
  for (int attempt = 0; attempt < 3 && !focused; ++attempt) {
    ClickAt(CenterOf(edit));
    focused = WaitUntil(hasFocus, std::chrono::milliseconds(3000));
  }
  bool typed = false;
  if (focused) {
    // Selected with keys, not EM_SETSEL: keys queue behind the click, whose button press
    // would otherwise drop a selection made before it is handled (a box that had the focus
    // already answers the focus question before the click arrives).
    PressKey(VK_HOME);
    PressChord({VK_SHIFT}, VK_END);
    TypeText(text);
    typed = WaitUntil([&] { return TextOf(edit) == text; }, std::chrono::milliseconds(5000));
    if (tabAway && typed) PressKey(VK_TAB);
  }
  if (!focused || !typed) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(edit, nullptr), &info);
    std::fprintf(stderr,
                 "e2e: typing \"%s\" into the box: focus %d (on %p [%s] \"%s\", active %p, "
                 "capture %p), text now \"%s\"\n",
                 Narrow(text).c_str(), focused, static_cast<void*>(info.hwndFocus),
                 Narrow(ClassOf(info.hwndFocus)).c_str(), Narrow(TextOf(info.hwndFocus)).c_str(),
                 static_cast<void*>(info.hwndActive), static_cast<void*>(info.hwndCapture),
                 Narrow(TextOf(edit)).c_str());
    const POINT cursor = CursorPosition();
    HWND under = WindowFromPoint(cursor);
    std::fprintf(stderr, "e2e: under the cursor %p [%s], edit %p enabled %d, parent enabled %d\n",
                 static_cast<void*>(under), Narrow(ClassOf(under)).c_str(),
                 static_cast<void*>(edit), IsWindowEnabled(edit),
                 IsWindowEnabled(GetAncestor(edit, GA_ROOT)));
  }
  return focused && typed;
}

void DeleteAllSettings() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
}

void WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
  RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> ReadSetting(const std::wstring& section, const std::wstring& key) {
  const std::wstring path = std::wstring(kSettingsKey) + L"\\" + section;
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

namespace {

// The sorted names under a settings key: its subkeys or its values, as `enumerate` lists.
template <typename Enumerate>
std::vector<std::wstring> SortedNames(const std::wstring& section, Enumerate enumerate) {
  std::vector<std::wstring> names;
  HKEY key = OpenSettings(section);
  if (!key) return names;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    if (enumerate(key, index, name, &length) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  RegCloseKey(key);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::wstring> SettingSections() {
  return SortedNames(L"", [](HKEY key, DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumKeyExW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

std::vector<std::wstring> SettingValueNames(const std::wstring& section) {
  return SortedNames(section, [](HKEY key, DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumValueW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

HWND TrayWindow() {
  return FindWindowW(L"Shell_TrayWnd", nullptr);
}

int TrayIconCount() {
  RECT tray{};
  if (!GetWindowRect(TrayWindow(), &tray)) return 0;
  HDC screen = GetDC(nullptr);
  int count = 0;
  while (TraySlotPainted(screen, tray, count)) ++count;
  ReleaseDC(nullptr, screen);
  return count;
}

void ClickTrayIcon() {
  RECT tray{};
  GetWindowRect(TrayWindow(), &tray);
  ClickAt(POINT{tray.right - TraySlotWidth() / 2, (tray.top + tray.bottom) / 2});
}

void RightClickTrayIcon() {
  RECT tray{};
  GetWindowRect(TrayWindow(), &tray);
  RightClickAt(POINT{tray.right - TraySlotWidth() / 2, (tray.top + tray.bottom) / 2});
}

HWND MenuOf(DWORD processId) {
  return FirstWindowOf(processId, [](HWND window) {
    return IsWindowVisible(window) && ClassOf(window) == L"#32768";
  });
}

HWND OptionsWindowOf(DWORD processId) {
  return FirstWindowOf(processId, [](HWND window) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    return IsWindowVisible(window) && std::wstring_view(caption) == kOptionsCaption;
  });
}

HWND OpenOptionsFromMenu(HWND mainWindow, std::chrono::milliseconds timeout) {
  const DWORD processId = ProcessOf(mainWindow);
  HWND options = nullptr;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // A user whose keys went to another window tries again.
  while (!options && std::chrono::steady_clock::now() < deadline) {
    SetForegroundWindow(mainWindow);
    if (!WaitUntil([&] { return GetForegroundWindow() == mainWindow; }, 3000ms)) continue;
    PressChord({VK_MENU}, 'F');
    if (!WaitUntil([&] { return MenuOf(processId) != nullptr; }, 3000ms)) continue;
    PressKey('O');
    WaitUntil([&] { return (options = OptionsWindowOf(processId)) != nullptr; }, 3000ms);
  }
  return options;
}

HWND FindMessageBox(DWORD processId) {
  // The Options window is a dialog too, but no message.
  return FirstWindowOf(processId, [](HWND window) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    return IsWindowVisible(window) && ClassOf(window) == L"#32770" &&
           std::wstring_view(caption) != kOptionsCaption;
  });
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  for (const Control& control : ControlsOf(box)) {
    if (control.kind == ControlKind::kLabel && !control.text.empty()) text += control.text;
  }
  return text;
}

void PressMessageBoxOk(HWND box) {
  // BM_CLICK rather than the mouse: with the cursor resting on the box, the program would
  // also follow it to the box's owner, and this is about the box, not about following.
  for (const Control& control : ControlsOf(box)) {
    if (control.kind == ControlKind::kPushButton && control.text == L"OK") {
      ClickButton(control.window);
      break;
    }
  }
  WaitUntil([box] { return !IsWindow(box); }, std::chrono::milliseconds(5000));
}

HWND FindMainWindow(DWORD processId) {
  return FirstWindowOf(processId, [](HWND window) {
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    return GetParent(window) == nullptr &&
           std::wstring_view(caption).starts_with(kMainCaptionPrefix);
  });
}

Tarnwick::~Tarnwick() {
  if (Running()) Exit();
  if (Running()) {
    std::fprintf(stderr, "e2e: Tarnwick %lu ignored Exit; terminating it\n", Id());
    process_.Terminate();
  }
}

bool Tarnwick::StartProcess() {
  return process_.Start(TarnwickPath());
}

bool Tarnwick::Start() {
  return StartProcess() && WaitForWindow();
}

bool Tarnwick::WaitForWindow() {
  WaitUntil([this] {
    mainWindow_ = FindMainWindow(Id());
    return mainWindow_ != nullptr || !Running();
  });
  if (!mainWindow_) {
    std::fprintf(stderr, "e2e: Tarnwick %lu shows no main window\n", Id());
    return false;
  }
  // The window exists before start-up shows it; wait for it to be shown (or not: a
  // start minimised to the tray keeps it hidden, so this wait is short and not checked).
  WaitUntil([this] { return IsWindowVisible(mainWindow_) || !Running(); },
            std::chrono::milliseconds(5000));
  return true;
}

bool Tarnwick::WaitForExit(std::chrono::milliseconds timeout) {
  return process_.WaitForExit(timeout);
}

bool Tarnwick::Exit() {
  if (!Running()) return true;
  // A leftover message box would hold the program in its modal loop: close it first.
  for (int attempt = 0; attempt < 3; ++attempt) {
    HWND box = FindMessageBox(Id());
    if (!box) break;
    PressMessageBoxOk(box);
    Pause(std::chrono::milliseconds(200));
  }
  HWND exitButton = Control(ControlKind::kPushButton, L"E&xit");
  if (exitButton) ClickButton(exitButton);
  return WaitForExit(std::chrono::milliseconds(10000));
}

HWND Tarnwick::Control(ControlKind kind, std::wstring_view text) const {
  return mainWindow_ ? FindControl(mainWindow_, kind, text) : nullptr;
}

std::wstring Tarnwick::Caption(ControlKind kind, std::wstring_view text) const {
  HWND control = Control(kind, text);
  return control ? TextOf(control) : L"<missing>";
}

TargetWindow::TargetWindow(const std::wstring& title, RECT bounds, Showing showing) {
  static const test_support::PlainWindowClass targetClass(L"TarnwickE2eTarget");
  const DWORD visible = showing == Showing::kActivated ? WS_VISIBLE : 0;
  window_ = targetClass.Create(title, WS_OVERLAPPEDWINDOW | visible, bounds);
  child_ = CreateWindowExW(0, L"BUTTON", L"Inside", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10,
                           90, 30, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (showing == Showing::kInBackground) {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  UpdateWindow(window_);
  Raise();
}

TargetWindow::~TargetWindow() {
  if (window_) DestroyWindow(window_);
}

POINT TargetWindow::ClientSpot() const {
  return ClientSpotOf(window_);
}

void TargetWindow::Raise() const {
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PumpMessages();
}

bool Notepad::Start(RECT bounds) {
  if (!process_.Start(L"notepad.exe")) return false;
  const DWORD processId = process_.Id();
  WaitUntil([&] {
    window_ = FirstWindowOf(processId, [](HWND window) {
      return IsWindowVisible(window) && GetParent(window) == nullptr;
    });
    return window_ != nullptr;
  });
  if (!window_) return false;
  SetWindowPos(window_, HWND_TOP, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOACTIVATE);
  return WaitUntil([&] {
    RECT now{};
    GetWindowRect(window_, &now);
    return now.left == bounds.left && now.top == bounds.top;
  });
}

std::string DescribeWindow(HWND window) {
  if (!window) return "no window";
  wchar_t caption[256] = {};
  GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
  std::ostringstream out;
  out << window << " [" << Narrow(ClassOf(window)) << "] \"" << Narrow(caption) << "\"";
  return out.str();
}

std::string DescribeDesktop() {
  std::ostringstream out;
  const POINT cursor = CursorPosition();
  out << "cursor " << cursor.x << "," << cursor.y << "; foreground " << GetForegroundWindow()
      << "\n";
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (!IsWindowVisible(window)) continue;
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    RECT rect{};
    GetWindowRect(window, &rect);
    out << "  " << window << " pid " << ProcessOf(window) << " [" << Narrow(ClassOf(window))
        << "] \"" << Narrow(caption) << "\" " << rect.left << "," << rect.top << "-" << rect.right
        << "," << rect.bottom << (IsTopmost(window) ? " topmost" : "") << "\n";
  }
  HWND tray = TrayWindow();
  EnumChildWindows(
      tray,
      [](HWND window, LPARAM data) -> BOOL {
        RECT rect{};
        GetWindowRect(window, &rect);
        *reinterpret_cast<std::ostringstream*>(data)
            << "  tray child " << window << " [" << Narrow(ClassOf(window)) << "] "
            << (IsWindowVisible(window) ? "visible " : "hidden ") << rect.left << "," << rect.top
            << "-" << rect.right << "," << rect.bottom << "\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&out));
  return out.str();
}

}  // namespace tarnwick::e2e
