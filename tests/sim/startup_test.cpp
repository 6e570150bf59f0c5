#include <string>
#include <vector>

#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

// The Options window's limit, in characters as people count them.
constexpr size_t kLongestExclusionList = 16384;

using StartUp = SimFixture;

TEST_F(StartUp, EmptyStoreShowsTheWindowAndStoresOnlyTheFourEdges) {
  Start();
  EXPECT_TRUE(sim.form.visible);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
  EXPECT_EQ(form->Command20.Caption(), "Mouse Wrap is Off");
  EXPECT_EQ(form->Text1.Text(), "250");
  EXPECT_EQ(form->Text2.Text(), "5");
  EXPECT_EQ(form->Text35.Text(), "100");
  for (CheckBox* edge : {&form->Check8, &form->Check10, &form->Check11, &form->Check12}) {
    EXPECT_TRUE(edge->IsChecked()) << edge->Name();
  }
  for (CheckBox* option :
       {&form->Check1, &form->Check2, &form->Check4, &form->Check5, &form->Check7}) {
    EXPECT_EQ(option->Value(), kUnchecked) << option->Name();
  }
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_FALSE(form->Timer5.Enabled());
  EXPECT_FALSE(form->Timer8.Enabled());
  EXPECT_TRUE(sim.shell.trayIcons.empty());
  EXPECT_EQ(form->parking.ParkPoint(), (Point{799, 599}));

  const std::map<SimSettings::Key, std::string> expected{
      {{"Tarnwick", "startup", "leftwrap"}, "1"},
      {{"Tarnwick", "startup", "rightwrap"}, "1"},
      {{"Tarnwick", "startup", "topwrap"}, "1"},
      {{"Tarnwick", "startup", "bottomwrap"}, "1"}};
  EXPECT_EQ(sim.settings.stored, expected);
}

TEST_F(StartUp, MinimisedAndDisabledStartHiddenWithOneDisabledTrayIcon) {
  Store("startup", "minimize", "1");
  Store("disabled", "disabled", "1");
  Start();
  EXPECT_FALSE(sim.form.visible);
  EXPECT_EQ(sim.form.shows, 0);
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");
  EXPECT_EQ(sim.shell.trayIcons, std::set<IconId>{IconId::kDisabled});
  EXPECT_EQ(sim.form.icon, IconId::kDisabled);
  EXPECT_EQ(sim.settings.Setting("startup", "minimize"), "1");
  EXPECT_EQ(sim.settings.Setting("disabled", "disabled"), "1");
}

TEST_F(StartUp, MinimisedAloneShowsTheApplicationIconInTheTray) {
  Store("startup", "minimize", "1");
  Start();
  EXPECT_FALSE(sim.form.visible);
  EXPECT_EQ(sim.shell.trayIcons, std::set<IconId>{IconId::kApplication});
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
}

TEST_F(StartUp, StoredDelayIsShownRoundedAndPutInForce) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"750.0", "750"}, {"250.5", "250"}, {"251.5", "252"}, {"1", "1"}, {"59998", "59998"}};
  for (const auto& [stored, shown] : cases) {
    SimSystem fresh;
    Platform freshPlatform = fresh.AsPlatform();
    fresh.settings.stored[{"Tarnwick", "Delay", "Interval"}] = stored;
    Form1 window(freshPlatform);
    window.Start();
    EXPECT_EQ(window.Text1.Text(), shown) << stored;
    EXPECT_EQ(std::to_string(window.Timer2.IntervalMs()), shown) << stored;
    EXPECT_EQ(fresh.settings.Setting("Delay", "Interval"), stored)
        << "start-up does not rewrite it";
  }
}

TEST_F(StartUp, AnUntickedEdgeStaysUntickedAndAGreyedOneCountsAsUnticked) {
  Store("startup", "leftwrap", "0");
  Store("startup", "topwrap", "2");
  Start();
  EXPECT_EQ(form->Check8.Value(), kUnchecked);
  EXPECT_TRUE(form->Check10.IsChecked());
  EXPECT_EQ(sim.settings.Setting("startup", "leftwrap"), "0") << "not rewritten";
  EXPECT_EQ(form->Check11.Value(), kGreyed);
  EXPECT_FALSE(form->Check11.IsChecked());
  EXPECT_EQ(sim.settings.Setting("startup", "topwrap"), "0");
}

TEST_F(StartUp, StoredOptionsRunTheirHandlers) {
  Store("startup", "idel", "1");
  Store("startup", "idelautohide", "1");
  Store("startup", "mousewrap", "1");
  Store("startup", "windows", "1");
  Store("startup", "calibration", "87.5");
  Start();
  EXPECT_TRUE(form->Timer8.Enabled());
  EXPECT_TRUE(form->Timer5.Enabled());
  EXPECT_EQ(form->Command20.Caption(), "Mouse Wrap is On");
  EXPECT_EQ(form->parking.ParkPoint(), (Point{799, 400}));
  EXPECT_EQ(form->Text35.Text(), "87.5");
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");
}

TEST_F(StartUp, HandEditedGarbageFallsBackToEachDefault) {
  for (const char* key : {"minimize", "idel", "windows", "idelautohide", "leftwrap", "rightwrap",
                          "topwrap", "bottomwrap", "mousewrap"}) {
    Store("startup", key, "letters");
  }
  Store("startup", "leftwrap", "7");
  Store("startup", "mousewrap", "-1");
  Store("disabled", "disabled", "yes");
  Store("Delay", "Interval", "1e999");
  Start();
  EXPECT_TRUE(sim.form.visible);
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
  EXPECT_EQ(form->Text1.Text(), "250");
  EXPECT_EQ(form->Timer2.IntervalMs(), 250);
  EXPECT_TRUE(form->Check8.IsChecked());
  EXPECT_FALSE(form->Check7.IsChecked());
  EXPECT_FALSE(form->Check4.IsChecked()) << "no log-on entry in the StartUp folder";
  EXPECT_FALSE(form->Timer8.Enabled());
  EXPECT_TRUE(form->Timer1.Enabled());
  // Unreadable values the defaults left alone stay as the user wrote them.
  EXPECT_EQ(sim.settings.Setting("startup", "minimize"), "letters");
  EXPECT_EQ(sim.settings.Setting("Delay", "Interval"), "1e999");
}

// A value longer than its setting can be is damage, and an empty one means nothing: the
// default stands in, quickly, and the stored text is left as it is. The exclusion list alone
// may be long.
TEST_F(StartUp, OverlongAndEmptyValuesGiveTheDefaultAndStayStored) {
  const std::string longest(kMaxSettingLength, '7');
  const std::string overlong(kMaxSettingLength + 1, '7');
  Store("startup", "calibration", overlong);
  Store("Delay", "Interval", std::string(kMaxSettingLength - 3, '0') + "750");
  Store("startup", "leftwrap", std::string(kMaxSettingLength, '0'));
  Store("startup", "rightwrap", "0" + std::string(kMaxSettingLength, ' '));
  Store("options", "Exclusions", "notes.exe\n" + std::string(kLongestExclusionList - 10, 'x'));
  Start();
  EXPECT_TRUE(sim.form.visible);
  EXPECT_EQ(form->Text35.Text(), "100");
  EXPECT_EQ(form->Text1.Text(), "750") << "1024 characters are still a value";
  EXPECT_EQ(form->Check8.Value(), kUnchecked) << "1024 characters are still a value";
  EXPECT_EQ(form->Check10.Value(), kChecked) << "1025 are not";
  ASSERT_EQ(form->CurrentOptions().exclusions.size(), 2u) << "the list may be 16384 long";
  EXPECT_EQ(form->CurrentOptions().exclusions[0], "notes.exe");
  EXPECT_EQ(sim.settings.Setting("startup", "calibration"), overlong) << "left for the user";

  form.reset();
  Store("startup", "calibration", "");
  Start();
  EXPECT_EQ(form->Text35.Text(), "100") << "an empty value is no value";
  EXPECT_EQ(sim.settings.Setting("startup", "calibration"), "");

  form.reset();
  Store("options", "Exclusions", "notes.exe\n" + std::string(kLongestExclusionList - 9, 'x'));
  Store("startup", "calibration", longest);
  Start();
  EXPECT_TRUE(form->CurrentOptions().exclusions.empty()) << "16385 characters are damage";
  EXPECT_EQ(form->Text35.Text(), longest);
}

TEST_F(StartUp, StoredDelayOutsideTheAcceptedRangeGivesTheDefault) {
  for (const char* stored : {"0", "-20", "59999", "abc", ""}) {
    SimSystem fresh;
    Platform freshPlatform = fresh.AsPlatform();
    fresh.settings.stored[{"Tarnwick", "Delay", "Interval"}] = stored;
    Form1 window(freshPlatform);
    window.Start();
    EXPECT_EQ(window.Text1.Text(), "250") << stored;
    EXPECT_EQ(window.Timer2.IntervalMs(), 250) << stored;
  }
}

TEST_F(StartUp, RefusedStoreStillStartsWithDefaults) {
  sim.settings.refuseReads = true;
  sim.settings.refuseWrites = true;
  Start();
  EXPECT_TRUE(sim.form.visible);
  EXPECT_TRUE(form->Check8.IsChecked());
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_GT(sim.settings.writes, 0);
  EXPECT_TRUE(sim.settings.stored.empty());
}

TEST_F(StartUp, TheStartingWindowIsCreatedWithItsInitialValues) {
  Form1 fresh(platform);
  EXPECT_EQ(fresh.Command1.Caption(), "&Enabled");
  EXPECT_EQ(fresh.Text1.Text(), "250");
  EXPECT_FALSE(fresh.Timer1.Enabled());
  EXPECT_TRUE(fresh.Timer2.Enabled());
  EXPECT_EQ(fresh.Timer2.IntervalMs(), 1);
  EXPECT_EQ(fresh.focus.Pin(), std::nullopt);
  EXPECT_EQ(fresh.parking.ParkPoint(), std::nullopt);
  EXPECT_EQ(fresh.Label1[4].Caption().back(), 'Q');
}

TEST_F(StartUp, ClosingTheWindowEndsTheProgramWithoutATrayIcon) {
  Store("startup", "minimize", "1");
  Start();
  ASSERT_FALSE(sim.shell.trayIcons.empty());
  form->Form_Unload();
  EXPECT_TRUE(sim.shell.trayIcons.empty());
  EXPECT_TRUE(desktop.QuitCalled());
}

}  // namespace
}  // namespace tarnwick::sim
