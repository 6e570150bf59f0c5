#include "helper_program.h"

#include <cstdio>

#include "desktop.h"
#include "helper_protocol.h"

namespace tarnwick::e2e {
namespace {

std::wstring& PathStorage() {
  static std::wstring path;
  return path;
}

// Unique per driver process and per helper, so a helper left over from a crashed run
// cannot be released (or held) by this one.
std::wstring NewEventName() {
  static int count = 0;
  return L"TarnwickE2eRelease-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++count);
}

std::wstring BoundsText(RECT bounds) {
  return std::to_wstring(bounds.left) + L"," + std::to_wstring(bounds.top) + L"," +
         std::to_wstring(bounds.right) + L"," + std::to_wstring(bounds.bottom);
}

}  // namespace

void SetHelperPath(const std::wstring& path) {
  PathStorage() = ToWindowsPath(path);
}
const std::wstring& HelperPath() {
  return PathStorage();
}

HelperProgram::~HelperProgram() {
  Release();
  process_.Terminate();
  if (releaseEvent_) CloseHandle(releaseEvent_);
}

bool HelperProgram::Start(const std::wstring& title, RECT bounds) {
  const std::wstring eventName = NewEventName();
  releaseEvent_ = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
  const std::wstring arguments = L"\"" + std::wstring(kHelperTitleOption) + title + L"\" " +
                                 kHelperBoundsOption + BoundsText(bounds) + L" " +
                                 kHelperReleaseOption + eventName;
  if (!process_.Start(HelperPath(), arguments)) return false;
  WaitUntil([&] {
    for (HWND window : TopLevelWindowsOf(Id())) {
      if (IsWindowVisible(window) && GetParent(window) == nullptr &&
          ClassOf(window) == kHelperWindowClass) {
        window_ = window;
      }
    }
    return window_ != nullptr || !process_.Running();
  });
  if (!window_) std::fprintf(stderr, "e2e: the helper program shows no window\n");
  return window_ != nullptr;
}

POINT HelperProgram::ClientSpot() const {
  return ClientSpotOf(window_);
}

bool HelperProgram::OpenMenu(POINT at, bool inFront) {
  PostMessageW(window_, inFront ? kHelperOpenMenu : kHelperOpenMenuBehind,
               static_cast<WPARAM>(at.x), static_cast<LPARAM>(at.y));
  return WaitUntil([this] { return Menu() != nullptr; }, std::chrono::milliseconds(5000));
}

bool HelperProgram::EndMenu() {
  PostMessageW(window_, kHelperEndMenu, 0, 0);
  return WaitUntil([this] { return Menu() == nullptr; }, std::chrono::milliseconds(5000));
}

HWND HelperProgram::Menu() const {
  for (HWND window : TopLevelWindowsOf(Id())) {
    if (IsWindowVisible(window) && ClassOf(window) == L"#32768") return window;
  }
  return nullptr;
}

bool HelperProgram::InMenuMode() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info) &&
         (info.flags & GUI_INMENUMODE) != 0;
}

bool HelperProgram::Hang() {
  ResetEvent(releaseEvent_);
  PostMessageW(window_, kHelperHang, 0, 0);
  return WaitUntil([this] { return !Answers(); }, std::chrono::milliseconds(5000));
}

void HelperProgram::Release() {
  if (releaseEvent_) SetEvent(releaseEvent_);
}

bool HelperProgram::Answers() const {
  return e2e::Answers(window_, std::chrono::milliseconds(200));
}

}  // namespace tarnwick::e2e
