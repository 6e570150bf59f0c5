#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "app/settings.h"
#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

TEST(SettingsLayout, EveryEntryHasAnAddressOfItsOwn) {
  std::set<std::pair<std::string, std::string>> addresses;
  for (const Setting* setting : kAllSettings) {
    EXPECT_TRUE(addresses.emplace(setting->section, setting->key).second)
        << setting->section << "\\" << setting->key << " is listed twice";
  }
}

using SettingsRoundTrip = SimFixture;

// What start-up reads is what the handlers write: a store holding every entry's opposite
// state comes back unchanged after a start, whatever the order of the steps.
TEST_F(SettingsRoundTrip, WhatTheHandlersWriteIsWhatStartUpReads) {
  for (const Setting* setting :
       {&kRunMinimizedSetting, &kIdleParkingSetting, &kTaskbarAllowanceSetting, &kLeftWrapSetting,
        &kRightWrapSetting, &kTopWrapSetting, &kBottomWrapSetting, &kMouseWrapAtStartSetting}) {
    Store(setting->section, setting->key, std::string(setting->defaultValue) == "1" ? "0" : "1");
  }
  const auto before = sim.settings.stored;
  Start();
  EXPECT_EQ(sim.settings.stored, before);
}

// Each option comes back after a restart as it was applied: each row reads what it writes,
// into its own field.
TEST_F(SettingsRoundTrip, EveryOptionComesBackAsApplied) {
  Start();
  Options options;
  options.hotkeys[0] = Chord{'G', kCtrlBit | kAltBit};
  options.hotkeys[3] = Chord{};
  options.exclusions = {"game.exe", "title:Secret"};
  options.pauseKey = PauseKey::kWin;
  options.leaveFullscreenAlone = false;
  options.followOnlyWhenMoved = false;
  options.wrapOnlyOnPush = true;
  options.raiseMode = RaiseMode::kAfterDelay;
  options.raiseDelayMs = 2500;
  options.waitUntilStill = true;
  ASSERT_TRUE(form->ApplyOptions(options));
  form.reset();
  Start();
  EXPECT_EQ(form->CurrentOptions(), options);
}

}  // namespace
}  // namespace tarnwick::sim
