#pragma once
#include <gtest/gtest.h>

#include <memory>

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

  std::unique_ptr<Tarnwick> program_;
};

}  // namespace tarnwick::e2e
