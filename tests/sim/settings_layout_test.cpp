#include "app/settings_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

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

}  // namespace
}  // namespace tarnwick::sim
