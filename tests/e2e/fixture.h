#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "desktop.h"

namespace tarnwick::e2e {

// Where the cases put their windows on the 800x600 desktop: side by side along its top,
// clear of each other and of the taskbar.
inline constexpr RECT kLeftSpot{10, 10, 250, 190};
inline constexpr RECT kMiddleSpot{270, 10, 510, 190};
inline constexpr RECT kRightSpot{530, 10, 790, 300};

// The two windows of this test process that most cases move the focus between, side by
// side: Alpha on the left, Beta in the middle. Beta opens last, so it starts in front.
struct AlphaAndBeta {
  TargetWindow alpha{L"E2E Alpha", kLeftSpot};
  TargetWindow beta{L"E2E Beta", kMiddleSpot};
};

// Every case starts from an empty settings store (or one it seeds itself) and a program it
// starts itself; the program is ended through its Exit button when the case is over.
class TarnwickCase : public testing::Test {
 protected:
  void SetUp() override { DeleteAllSettings(); }
  void TearDown() override {
    if (HasFailure()) {
      std::fprintf(stderr, "%s", DescribeDesktop().c_str());
      if (program_ && program_->Running()) {
        DWORD_PTR ignored = 0;
        const bool answers = SendMessageTimeoutW(program_->MainWindow(), WM_NULL, 0, 0,
                                                 SMTO_ABORTIFHUNG, 2000, &ignored) != 0;
        std::fprintf(stderr, "Tarnwick %s\n", answers ? "answers messages" : "does not answer");
      }
    }
    program_.reset();
  }

  // Starts the program, ending a running one through its Exit button first; true once
  // its main window is there.
  bool Launch() {
    program_.reset();
    program_ = std::make_unique<Tarnwick>();
    return program_->Start();
  }
  Tarnwick& Program() { return *program_; }

  // Hides the main window to the tray first, so that it never lies under the cursor and
  // takes part in no Z-order question; the program keeps working while hidden.
  bool LaunchHidden() {
    if (!Launch()) return false;
    ClickButton(Program().Control(ControlKind::kPushButton, L"&Minimize"));
    return WaitUntil([this] { return !IsWindowVisible(Program().MainWindow()); });
  }

  std::wstring EnableCaption() const {
    for (const wchar_t* caption : {L"&Enabled", L"&Disabled"}) {
      if (program_->Control(ControlKind::kPushButton, caption)) return caption;
    }
    return L"<neither>";
  }

  static bool BecomesForeground(HWND window, std::chrono::milliseconds timeout = kPatience) {
    return WaitUntil([window] { return GetForegroundWindow() == window; }, timeout);
  }

  // Rests the cursor on the client area of `window` (a TargetWindow or the helper program)
  // and waits for the program to bring it to the foreground.
  template <typename Window>
  static testing::AssertionResult RestingOnActivates(
      const Window& window, std::chrono::milliseconds timeout = kPatience) {
    MoveCursor(window.ClientSpot());
    if (BecomesForeground(window.Handle(), timeout)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "resting on " << DescribeWindow(window.Handle())
                                       << " did not bring it to the foreground; it is "
                                       << DescribeWindow(GetForegroundWindow());
  }

  std::unique_ptr<Tarnwick> program_;
};

}  // namespace tarnwick::e2e
