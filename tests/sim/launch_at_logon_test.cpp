#include <set>
#include <string>

#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

constexpr const char* kInstalledShortcut = "shortcut to the installed Tarnwick";

class LaunchAtLogon : public SimFixture {
 protected:
  std::string GroupShortcut() const { return desktop.programsFolder + "\\Tarnwick\\Tarnwick.lnk"; }
  std::string StartupEntry() const { return desktop.startupFolder + "\\Tarnwick.lnk"; }
  void InstallGroupShortcut() { desktop.files[GroupShortcut()] = kInstalledShortcut; }
  bool HasStartupEntry() const { return desktop.files.count(StartupEntry()) != 0; }
  // Files of the StartUp folder, drafts included.
  int StartupFiles() const {
    int count = 0;
    for (const auto& [path, content] : desktop.files) {
      count += path.starts_with(desktop.startupFolder + "\\") ? 1 : 0;
    }
    return count;
  }
  // The box is off, stored off, nothing is left in the StartUp folder, and the user was
  // told once, in a message captioned with the program's name.
  void ExpectRefusedOnce() const {
    EXPECT_FALSE(form->Check4.IsChecked());
    EXPECT_EQ(desktop.Setting("startup", "windows"), "0");
    EXPECT_EQ(StartupFiles(), 0);
    ASSERT_EQ(desktop.messages.size(), 1U);
    EXPECT_EQ(desktop.messages[0].title, "Tarnwick");
    EXPECT_TRUE(
        desktop.messages[0].text.starts_with("Tarnwick could not be set to start at log-on: "))
        << desktop.messages[0].text;
  }
};

TEST_F(LaunchAtLogon, TickCopiesTheGroupShortcutAndUntickDeletesTheCopy) {
  InstallGroupShortcut();
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(desktop.files[StartupEntry()], kInstalledShortcut);
  EXPECT_EQ(StartupFiles(), 1) << "no draft is left";
  EXPECT_EQ(desktop.Setting("startup", "windows"), "1");

  form->Check4.UserClicked();
  EXPECT_FALSE(HasStartupEntry());
  EXPECT_EQ(desktop.files[GroupShortcut()], kInstalledShortcut) << "the group keeps its own";
  EXPECT_EQ(desktop.Setting("startup", "windows"), "0");

  form->Check4.UserClicked();
  desktop.files.erase(StartupEntry());  // the user deleted it by hand
  form->Check4.UserClicked();
  EXPECT_EQ(desktop.Setting("startup", "windows"), "0") << "unticking with nothing there";
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(LaunchAtLogon, WithoutTheProgramGroupTheEntryStartsThisVeryProgram) {
  desktop.programFolder = "D:\\Tools\\Tarnwick portable";
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(desktop.files[StartupEntry()],
            SimDesktop::ShortcutContent("D:\\Tools\\Tarnwick portable\\Tarnwick.exe",
                                        "D:\\Tools\\Tarnwick portable"));
  EXPECT_EQ(desktop.Setting("startup", "windows"), "1");

  // A Start Menu the system cannot name is no program group either.
  form->Check4.UserClicked();
  desktop.programsFolder.clear();
  form->Check4.UserClicked();
  EXPECT_TRUE(HasStartupEntry());
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(LaunchAtLogon, ABoxThatCannotBeMadeTrueIsUntickedWithOneMessage) {
  InstallGroupShortcut();
  desktop.refuseFileWrites = true;
  Start();
  form->Check4.UserClicked();
  ExpectRefusedOnce();
}

TEST_F(LaunchAtLogon, NoStartUpFolderIsToldAsSuch) {
  desktop.startupFolder.clear();
  Start();
  form->Check4.UserClicked();
  ExpectRefusedOnce();
  EXPECT_TRUE(desktop.files.empty());
}

TEST_F(LaunchAtLogon, AFailedMoveLeavesNoDraftBehind) {
  InstallGroupShortcut();
  desktop.files[StartupEntry()] = "an older copy";
  desktop.refuseFileMoves = true;
  Start();
  form->Check4.UserClicked();
  // The untick that follows the failure removes the older copy too: it would launch a
  // program the box says does not launch.
  ExpectRefusedOnce();
}

TEST_F(LaunchAtLogon, EveryStartWithTheBoxTickedBringsBackADeletedCopy) {
  InstallGroupShortcut();
  Store("startup", "windows", "1");
  Start();
  EXPECT_TRUE(HasStartupEntry());
  form.reset();

  desktop.files.erase(StartupEntry());
  Start();
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(desktop.files[StartupEntry()], kInstalledShortcut);
  EXPECT_EQ(desktop.Setting("startup", "windows"), "1");
  EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(LaunchAtLogon, AStartThatCannotRefreshTheCopySaysSoAndStoresOff) {
  InstallGroupShortcut();
  Store("startup", "windows", "1");
  desktop.refuseFileWrites = true;
  Start();
  ExpectRefusedOnce();
  EXPECT_TRUE(desktop.formVisible) << "the rest of start-up goes on";
  EXPECT_TRUE(form->Timer1.Enabled());
}

TEST_F(LaunchAtLogon, TickingSwitchesBackOnWhatTaskManagerSwitchedOff) {
  InstallGroupShortcut();
  desktop.files[StartupEntry()] = kInstalledShortcut;
  desktop.startupDisabledMarks = {"Tarnwick.lnk", "Other.lnk"};
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(desktop.startupDisabledMarks, std::set<std::string>{"Other.lnk"});

  desktop.startupDisabledMarks.insert("Tarnwick.lnk");
  form->Check4.UserClicked();
  EXPECT_FALSE(HasStartupEntry());
  EXPECT_EQ(desktop.startupDisabledMarks, std::set<std::string>{"Other.lnk"})
      << "the mark goes with the copy";
}

TEST_F(LaunchAtLogon, AnOffMarkThatStaysMakesTheTickFail) {
  InstallGroupShortcut();
  desktop.startupDisabledMarks = {"Tarnwick.lnk"};
  desktop.refuseMarkChanges = true;
  Start();
  form->Check4.UserClicked();
  ExpectRefusedOnce();

  desktop.startupDisabledMarks.clear();
  form->Check4.UserClicked();
  EXPECT_TRUE(form->Check4.IsChecked()) << "no mark left is as good as a cleared one";
  EXPECT_TRUE(HasStartupEntry());
}

}  // namespace
}  // namespace tarnwick::sim
