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
  static SimDesktop WithoutRawInput() {
    SimDesktop sim;
    sim.refuseRawInput = true;
    return sim;
  }
  void Start() {
    form = std::make_unique<Form1>(platform);
    form->Start();
  }
  void Store(const std::string& section, const std::string& key, const std::string& value) {
    desktop.settings[{"Tarnwick", section, key}] = value;
  }

  // Without raw input the program never sleeps, so the timers keep the rhythm the timing
  // tests pin down; the tests of sleeping at rest switch it on.
  SimDesktop desktop = WithoutRawInput();
  Platform platform = desktop.AsPlatform();
  std::unique_ptr<Form1> form;
};

}  // namespace tarnwick::sim
