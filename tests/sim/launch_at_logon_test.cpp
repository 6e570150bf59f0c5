#include <set>
#include <string>
#include <utility>

#include "app/startup_entry.h"
#include "tests/sim/sim_fixture.h"

namespace tarnwick::sim {
namespace {

constexpr const char* kInstalledProgram = "C:\\Program Files\\Tarnwick\\Tarnwick.exe";
// What the installer leaves in the program group, told apart from a shortcut made afresh.
const std::string kInstalledShortcut =
    SimDesktop::ShortcutContent(kInstalledProgram, "C:\\Program Files\\Tarnwick") +
    "\nfrom the installer";

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
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::kError);
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

TEST_F(LaunchAtLogon, AGroupShortcutToAnotherCopyIsNotCopied) {
  // A portable copy run beside the installed one.
  InstallGroupShortcut();
  desktop.programFolder = "D:\\Tools\\Tarnwick portable";
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(desktop.files[StartupEntry()],
            SimDesktop::ShortcutContent("D:\\Tools\\Tarnwick portable\\Tarnwick.exe",
                                        "D:\\Tools\\Tarnwick portable"));
  form.reset();

  // Every start renews the entry by the same rule.
  desktop.files[StartupEntry()] = kInstalledShortcut;
  Start();
  EXPECT_EQ(desktop.files[StartupEntry()],
            SimDesktop::ShortcutContent("D:\\Tools\\Tarnwick portable\\Tarnwick.exe",
                                        "D:\\Tools\\Tarnwick portable"));
  EXPECT_EQ(desktop.files[GroupShortcut()], kInstalledShortcut);
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

TEST_F(LaunchAtLogon, AStartThatCannotRenewTheEntryKeepsTheChoiceAndTriesAgainNextStart) {
  // At log-on a redirected StartUp folder may not be there yet.
  InstallGroupShortcut();
  Store("startup", "windows", "1");
  desktop.files[StartupEntry()] = "the entry that started this run";
  desktop.refuseFileWrites = true;
  Start();
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(desktop.Setting("startup", "windows"), "1");
  EXPECT_EQ(desktop.files[StartupEntry()], "the entry that started this run");
  EXPECT_EQ(StartupFiles(), 1) << "no draft is left";
  EXPECT_TRUE(desktop.messages.empty()) << "no box before the window";
  ASSERT_EQ(desktop.traces.size(), 1U);
  EXPECT_TRUE(desktop.traces[0].find("next start") != std::string::npos) << desktop.traces[0];
  EXPECT_TRUE(desktop.formVisible) << "the rest of start-up goes on";
  EXPECT_TRUE(form->Timer1.Enabled());
  form.reset();

  desktop.refuseFileWrites = false;
  const std::string startup = std::exchange(desktop.startupFolder, "");
  Start();
  EXPECT_TRUE(form->Check4.IsChecked()) << "a folder the system cannot name yet: the same";
  EXPECT_TRUE(desktop.messages.empty());
  form.reset();

  desktop.startupFolder = startup;
  Start();
  EXPECT_EQ(desktop.files[StartupEntry()], kInstalledShortcut);
  EXPECT_EQ(desktop.traces.size(), 2U);

  // The user's own tick is told of a failure, and the box shows it.
  form->Check4.UserClicked();
  desktop.refuseFileWrites = true;
  form->Check4.UserClicked();
  ExpectRefusedOnce();
}

TEST_F(LaunchAtLogon, AStartLeavesWhatTaskManagerSwitchedOffSwitchedOff) {
  InstallGroupShortcut();
  Store("startup", "windows", "1");
  desktop.files[StartupEntry()] = "the entry switched off";
  desktop.startupDisabledMarks = {"Tarnwick.lnk"};
  Start();
  EXPECT_FALSE(form->Check4.IsChecked());
  EXPECT_EQ(desktop.Setting("startup", "windows"), "0");
  EXPECT_EQ(desktop.startupDisabledMarks, std::set<std::string>{"Tarnwick.lnk"});
  EXPECT_EQ(desktop.files[StartupEntry()], "the entry switched off") << "Task Manager shows it";
  EXPECT_TRUE(desktop.messages.empty());
  form.reset();

  Start();
  EXPECT_FALSE(form->Check4.IsChecked());
  EXPECT_EQ(desktop.startupDisabledMarks, std::set<std::string>{"Tarnwick.lnk"});
}

TEST_F(LaunchAtLogon, AnUnreadableValueShowsWhetherTheEntryIsThere) {
  InstallGroupShortcut();
  Store("startup", "windows", "garbage");
  desktop.files[StartupEntry()] = "an entry";
  Start();
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(desktop.Setting("startup", "windows"), "1");
  EXPECT_EQ(desktop.files[StartupEntry()], kInstalledShortcut) << "renewed as any tick";
}

TEST_F(LaunchAtLogon, TheUninstallersSwitchTakesOutOnlyAnEntryThatStartsThisCopy) {
  desktop.files[StartupEntry()] = SimDesktop::ShortcutContent("D:\\Tarnwick.exe", "D:\\");
  desktop.startupDisabledMarks = {"Tarnwick.lnk"};
  EXPECT_FALSE(RemoveOwnStartupEntry(desktop));
  EXPECT_TRUE(HasStartupEntry());
  EXPECT_FALSE(desktop.startupDisabledMarks.empty());

  desktop.files[StartupEntry()] = kInstalledShortcut;
  EXPECT_TRUE(RemoveOwnStartupEntry(desktop));
  EXPECT_FALSE(HasStartupEntry());
  EXPECT_TRUE(desktop.startupDisabledMarks.empty());
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
