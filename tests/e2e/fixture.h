#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>

#include "desktop.h"

namespace tarnwick::e2e {

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

  std::unique_ptr<Tarnwick> program_;
};

}  // namespace tarnwick::e2e
