#include <set>
#include <string>
#include <vector>

#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

using Commands = SimFixture;
using Icons = std::set<IconId>;

void Tray(Form1& form, TrayEvent event) {
  form.TrayNotification(event);
}

constexpr TrayEvent kLeftDown = TrayEvent::kIconPressed;
constexpr TrayEvent kRightUp = TrayEvent::kMenuRequested;

TEST_F(Commands, AToggleWithNoTrayIconLeavesOneDisabledIcon) {
  Start();
  ASSERT_TRUE(sim.shell.trayIcons.empty());
  form->Command1.Click();
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");
  EXPECT_EQ(sim.settings.Setting("disabled", "disabled"), "1");
  EXPECT_EQ(sim.form.icon, IconId::kDisabled);
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kDisabled});
  EXPECT_TRUE(sim.form.visible) << "toggling does not hide the window";
}

TEST_F(Commands, TwoTogglesRestoreEverythingWithExactlyOneTrayIcon) {
  Start();
  form->EnableDisable.Click();
  form->Command1.Click();
  EXPECT_EQ(form->Command1.Caption(), "&Enabled");
  EXPECT_EQ(sim.settings.Setting("disabled", "disabled"), "0");
  EXPECT_EQ(sim.form.icon, IconId::kApplication);
  EXPECT_EQ(form->icon, IconId::kApplication);
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kApplication});
}

TEST_F(Commands, TheToggleStoresItsStateEvenWhenTheTrayRefuses) {
  Start();
  sim.shell.trayAvailable = false;
  form->Command1.Click();
  EXPECT_EQ(sim.settings.Setting("disabled", "disabled"), "1");
  EXPECT_EQ(sim.form.icon, IconId::kDisabled);
  EXPECT_TRUE(sim.shell.trayIcons.empty());
}

TEST_F(Commands, MinimisingTwiceWithARestoreBetweenLeavesOneIcon) {
  Start();
  form->Minimize.Click();
  EXPECT_FALSE(sim.form.visible);
  Tray(*form, kLeftDown);
  EXPECT_TRUE(sim.form.visible);
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kApplication}) << "showing keeps the icon";
  form->Command4.Click();
  EXPECT_FALSE(sim.form.visible);
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kApplication});
}

TEST_F(Commands, TheLeftButtonShowsTheWindowTheRightOneOpensTheMenu) {
  Start();
  form->Command4_Click();
  Tray(*form, kRightUp);
  EXPECT_FALSE(sim.form.visible) << "the menu, not the window";
  ASSERT_EQ(sim.shell.trayMenus.size(), 1U);

  Tray(*form, kLeftDown);
  EXPECT_TRUE(sim.form.visible);
  // On a shown window the left button does not hide it first.
  const int hides = sim.form.hides;
  Tray(*form, kLeftDown);
  EXPECT_TRUE(sim.form.visible);
  EXPECT_EQ(sim.form.hides, hides);
}

TEST_F(Commands, TheTrayMenuOffersShowEnabledOptionsAndExitAndEachWorks) {
  Start();
  form->Command4_Click();
  Tray(*form, kRightUp);
  ASSERT_EQ(sim.shell.trayMenus.size(), 1U);
  const std::vector<MenuEntry>& menu = sim.shell.trayMenus.back();
  ASSERT_EQ(menu.size(), 6U);
  EXPECT_EQ(menu[0].caption, "&Show Tarnwick");
  EXPECT_TRUE(menu[0].isDefault);
  EXPECT_EQ(menu[1].caption, "&Enabled");
  EXPECT_TRUE(menu[1].checked) << "checked while enabled";
  EXPECT_EQ(menu[2].caption, "&Options...");
  EXPECT_EQ(menu[3].caption, "&Copy diagnostics");
  EXPECT_EQ(menu[4].caption, "") << "a separator";
  EXPECT_EQ(menu[5].caption, "E&xit");

  sim.shell.ChooseTrayMenuEntry("&Enabled");
  EXPECT_EQ(form->Command1.Caption(), "&Disabled");
  Tray(*form, kRightUp);
  EXPECT_FALSE(sim.shell.trayMenus.back()[1].checked);

  sim.shell.ChooseTrayMenuEntry("&Options...");
  EXPECT_EQ(sim.form.optionsShown, 1);
  sim.shell.ChooseTrayMenuEntry("&Show Tarnwick");
  EXPECT_TRUE(sim.form.visible);
  sim.shell.ChooseTrayMenuEntry("E&xit");
  EXPECT_TRUE(form->Ended());
  EXPECT_TRUE(sim.shell.trayIcons.empty());
}

TEST_F(Commands, TheTrayAndASecondStartShowTheWindowTheSameWay) {
  Start();
  sim.form.minimized = true;  // minimised with the title bar's button
  Tray(*form, kLeftDown);
  EXPECT_FALSE(sim.form.minimized);
  sim.form.minimized = true;
  form->SecondStartRequested();
  EXPECT_FALSE(sim.form.minimized);
  EXPECT_TRUE(sim.form.visible);
  EXPECT_EQ(sim.form.shows, 3) << "the first show, then one a request";
}

TEST_F(Commands, ExitFromTheMenuOrTheButtonLeavesNoTrayIcon) {
  Start();
  form->Command1_Click();
  form->Exit.Click();
  EXPECT_TRUE(sim.shell.trayIcons.empty());
  EXPECT_TRUE(desktop.QuitCalled());
  EXPECT_TRUE(form->Ended());

  SimSystem other;
  Platform otherPlatform = other.AsPlatform();
  Form1 second(otherPlatform);
  second.Start();
  second.Command4_Click();
  second.Command2.Click();
  EXPECT_TRUE(other.shell.trayIcons.empty());
  EXPECT_TRUE(other.desktop.QuitCalled());
}

TEST_F(Commands, ARestartedTaskbarGetsTheIconBackOnlyIfOneWasShowing) {
  Start();
  form->TaskbarCreated();
  EXPECT_TRUE(sim.shell.trayIcons.empty());

  form->Command1_Click();
  sim.shell.trayIcons.clear();  // Explorer restarted and forgot every icon
  form->TaskbarCreated();
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kDisabled});
}

TEST_F(Commands, ATaskbarThatComesUpAfterMinimisingStillGetsTheIcon) {
  sim.shell.trayAvailable = false;
  Store("startup", "minimize", "1");
  Start();
  EXPECT_TRUE(sim.shell.trayIcons.empty());
  sim.shell.trayAvailable = true;
  form->TaskbarCreated();
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kApplication});
  Tray(*form, kLeftDown);
  EXPECT_TRUE(sim.form.visible);
}

// An icon that is there changes its picture in place: deleted and added again, it moves
// within the notification area or drops into the overflow.
TEST_F(Commands, AnIconThatIsThereTakesTheNewPictureInPlace) {
  Start();
  form->Command4_Click();
  ASSERT_EQ(sim.shell.trayOperations, std::vector<std::string>{"add"});
  form->Command1.Click();  // switched off: the icon shows it
  EXPECT_EQ(sim.shell.trayOperations, (std::vector<std::string>{"add", "change"}));
  EXPECT_EQ(sim.shell.trayIcons, Icons{IconId::kDisabled});
}

TEST_F(Commands, AboutShowsTheVersionAnEmptyLineAndThreeCreditLines) {
  Start();
  form->About.Click();
  ASSERT_EQ(sim.shell.messages.size(), 1U);
  EXPECT_EQ(sim.shell.messages[0].title, "Tarnwick");
  const std::string& text = sim.shell.messages[0].text;
  const std::string head = "Tarnwick 2.1\r\n\r\n";
  ASSERT_EQ(text.substr(0, head.size()), head);
  const std::string credits = text.substr(head.size());
  int lines = 1;
  for (std::size_t at = credits.find("\r\n"); at != std::string::npos;
       at = credits.find("\r\n", at + 2)) {
    EXPECT_NE(at, 0U);
    EXPECT_NE(credits.substr(at + 2, 2), "\r\n") << "no empty credit line";
    ++lines;
  }
  EXPECT_EQ(lines, 3);
  EXPECT_NE(credits.back(), '\n');
  EXPECT_EQ(credits.find('\n'), credits.find("\r\n") + 1) << "lines end in CR LF";
}

TEST_F(Commands, HelpOpensTheGuideBesideTheProgram) {
  sim.files.programFolder = "D:\\Tools\\Tarnwick";
  Start();
  form->Help.Click();
  form->Command5.Click();
  EXPECT_EQ(sim.shell.openedDocuments,
            (std::vector<std::string>(2, "D:\\Tools\\Tarnwick\\Tarnwick.html")));
  EXPECT_TRUE(sim.shell.messages.empty());

  sim.shell.refuseDocuments = true;  // unpacked without the page
  form->Command5.Click();
  ASSERT_EQ(sim.shell.messages.size(), 1U);
  EXPECT_NE(sim.shell.messages[0].text.find("D:\\Tools\\Tarnwick\\Tarnwick.html"),
            std::string::npos)
      << "says where the page was expected";
  EXPECT_EQ(sim.shell.messages[0].kind, MessageKind::kError);
}

TEST_F(Commands, RunMinimisedStoresTheOptionWithoutHiding) {
  Start();
  form->Check1.UserClicked();
  EXPECT_EQ(sim.settings.Setting("startup", "minimize"), "1");
  EXPECT_TRUE(sim.form.visible);
  form->Check1.UserClicked();
  EXPECT_EQ(sim.settings.Setting("startup", "minimize"), "0");
}

}  // namespace
}  // namespace tarnwick::sim
