#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

using WrapOptions = SimFixture;

TEST_F(WrapOptions, FiveBoxesAreStoredAtOnceAndRestoredAtTheNextStart) {
  Start();
  form->Check8.UserClicked();
  form->Check11.UserClicked();
  form->Check7.UserClicked();
  EXPECT_EQ(sim.settings.Setting("startup", "leftwrap"), "0");
  EXPECT_EQ(sim.settings.Setting("startup", "rightwrap"), "1");
  EXPECT_EQ(sim.settings.Setting("startup", "topwrap"), "0");
  EXPECT_EQ(sim.settings.Setting("startup", "bottomwrap"), "1");
  EXPECT_EQ(sim.settings.Setting("startup", "mousewrap"), "1");
  // Launch-time wrap waits for the next start.
  EXPECT_EQ(form->Command20.Caption(), "Mouse Wrap is Off");
  EXPECT_FALSE(form->Timer5.Enabled());

  SimSystem next;
  next.settings.stored = sim.settings.stored;
  Platform nextPlatform = next.AsPlatform();
  Form1 restarted(nextPlatform);
  restarted.Start();
  EXPECT_EQ(restarted.Check8.Value(), kUnchecked);
  EXPECT_TRUE(restarted.Check10.IsChecked());
  EXPECT_EQ(restarted.Check11.Value(), kUnchecked);
  EXPECT_TRUE(restarted.Check12.IsChecked());
  EXPECT_TRUE(restarted.Check7.IsChecked());
  EXPECT_EQ(restarted.Command20.Caption(), "Mouse Wrap is On");
  EXPECT_TRUE(restarted.Timer5.Enabled());

  form->Check7.UserClicked();
  EXPECT_EQ(sim.settings.Setting("startup", "mousewrap"), "0");
}

TEST_F(WrapOptions, TheButtonTogglesTheEngineAndStoresNothing) {
  Start();
  const int writes = sim.settings.writes;
  form->Command20.Click();
  EXPECT_EQ(form->Command20.Caption(), "Mouse Wrap is On");
  EXPECT_TRUE(desktop.TimerRunning(kTimer5Id));
  form->Command20.Click();
  EXPECT_EQ(form->Command20.Caption(), "Mouse Wrap is Off");
  EXPECT_FALSE(desktop.TimerRunning(kTimer5Id));
  EXPECT_EQ(sim.settings.writes, writes);
}

}  // namespace
}  // namespace tarnwick::sim
