#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "sim/sim_system.h"

namespace tarnwick::sim {

// A simulated desktop and the program's main window on it. The window is created by
// Start(), so a test can prepare the store and the screen first. `desktop` is the world
// the user acts in; the fakes beside it are `sim.settings`, `sim.shell` and the others.
class SimFixture : public ::testing::Test {
 protected:
  // Without raw input the program never sleeps, so the timers keep the rhythm the timing
  // tests pin down; the tests of sleeping at rest switch it on.
  SimFixture() { desktop.refuseRawInput = true; }
  // A fresh system for another round of the same test.
  void Renew() {
    sim.Reset();
    desktop.refuseRawInput = true;
  }
  void Start() {
    form = std::make_unique<Form1>(platform);
    form->Start();
  }
  void Store(const std::string& section, const std::string& key, const std::string& value) {
    sim.settings.stored[{"Tarnwick", section, key}] = value;
  }

  SimSystem sim;
  SimDesktop& desktop = sim.desktop;
  Platform platform = sim.AsPlatform();
  std::unique_ptr<Form1> form;
};

}  // namespace tarnwick::sim
