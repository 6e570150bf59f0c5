#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "sim/sim_desktop.h"

namespace tarnwick::sim {

// A simulated desktop and the program's main window on it. The window is created by
// Start(), so a test can prepare the store and the screen first.
class SimFixture : public ::testing::Test {
 protected:
  void Start() {
    form = std::make_unique<Form1>(platform);
    form->Start();
  }
  void Store(const std::string& section, const std::string& key, const std::string& value) {
    desktop.settings[{"Tarnwick", section, key}] = value;
  }

  SimDesktop desktop;
  Platform platform = desktop.AsPlatform();
  std::unique_ptr<Form1> form;
};

}  // namespace tarnwick::sim
