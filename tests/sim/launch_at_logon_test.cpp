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
    SimFiles::ShortcutContent(kInstalledProgram, "C:\\Program Files\\Tarnwick") +
    "\nfrom the installer";
// A copy run from a folder of the user's own, beside the installed one or without it.
const std::string kPortableFolder = "D:\\Tools\\Tarnwick portable";
const std::string kPortableShortcut =
    SimFiles::ShortcutContent(kPortableFolder + "\\Tarnwick.exe", kPortableFolder);

class LaunchAtLogon : public SimFixture {
 protected:
  std::string GroupShortcut() const {
    return sim.files.programsFolder + "\\Tarnwick\\Tarnwick.lnk";
  }
  std::string StartupEntry() const { return sim.files.startupFolder + "\\Tarnwick.lnk"; }
  void InstallGroupShortcut() { sim.files.contents[GroupShortcut()] = kInstalledShortcut; }
  bool HasStartupEntry() const { return sim.files.contents.count(StartupEntry()) != 0; }
  // Files of the StartUp folder, drafts included.
  int StartupFiles() const {
    int count = 0;
    for (const auto& [path, content] : sim.files.contents) {
      count += path.starts_with(sim.files.startupFolder + "\\") ? 1 : 0;
    }
    return count;
  }
  // The box is off, stored off, nothing is left in the StartUp folder, and the user was
  // told once, in a message captioned with the program's name.
  void ExpectRefusedOnce() const {
    EXPECT_FALSE(form->Check4.IsChecked());
    EXPECT_EQ(sim.settings.Setting("startup", "windows"), "0");
    EXPECT_EQ(StartupFiles(), 0);
    ASSERT_EQ(sim.shell.messages.size(), 1U);
    EXPECT_EQ(sim.shell.messages[0].title, "Tarnwick");
    EXPECT_EQ(sim.shell.messages[0].kind, MessageKind::kError);
    EXPECT_TRUE(
        sim.shell.messages[0].text.starts_with("Tarnwick could not be set to start at log-on: "))
        << sim.shell.messages[0].text;
  }
};

TEST_F(LaunchAtLogon, TickCopiesTheGroupShortcutAndUntickDeletesTheCopy) {
  InstallGroupShortcut();
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kInstalledShortcut);
  EXPECT_EQ(StartupFiles(), 1) << "no draft is left";
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");

  form->Check4.UserClicked();
  EXPECT_FALSE(HasStartupEntry());
  EXPECT_EQ(sim.files.contents[GroupShortcut()], kInstalledShortcut) << "the group keeps its own";
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "0");

  form->Check4.UserClicked();
  sim.files.contents.erase(StartupEntry());  // the user deleted it by hand
  form->Check4.UserClicked();
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "0") << "unticking with nothing there";
  EXPECT_TRUE(sim.shell.messages.empty());
}

TEST_F(LaunchAtLogon, AGroupShortcutToAnotherCopyIsNotCopied) {
  // A portable copy run beside the installed one.
  InstallGroupShortcut();
  sim.files.programFolder = kPortableFolder;
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kPortableShortcut);
  form.reset();

  // Every start renews the entry by the same rule, also over one whose program is gone.
  sim.files.contents[StartupEntry()] = kInstalledShortcut;
  Start();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kPortableShortcut);
  EXPECT_EQ(sim.files.contents[GroupShortcut()], kInstalledShortcut);
}

TEST_F(LaunchAtLogon, AnEntryThatStartsAnotherCopyThatIsThereStaysThatCopys) {
  // A portable copy ticked for log-on; the installed copy starts with the same stored tick.
  InstallGroupShortcut();
  sim.files.contents[kPortableFolder + "\\Tarnwick.exe"] = "the portable copy";
  sim.files.contents[StartupEntry()] = kPortableShortcut;
  Store("startup", "windows", "1");
  Start();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kPortableShortcut);
  EXPECT_FALSE(form->Check4.IsChecked()) << "this copy does not start at log-on";
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1") << "the portable copy's tick";

  // A tick that cannot be made true, and the untick that follows it, leave it too.
  sim.files.refuseFileMoves = true;
  form->Check4.UserClicked();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kPortableShortcut);
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");
  EXPECT_EQ(sim.shell.messages.size(), 1U);

  // The user's own tick takes it over.
  sim.files.refuseFileMoves = false;
  form->Check4.UserClicked();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kInstalledShortcut);
}

TEST_F(LaunchAtLogon, WithoutTheProgramGroupTheEntryStartsThisVeryProgram) {
  sim.files.programFolder = kPortableFolder;
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kPortableShortcut);
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");

  // A Start Menu the system cannot name is no program group either.
  form->Check4.UserClicked();
  sim.files.programsFolder.clear();
  form->Check4.UserClicked();
  EXPECT_TRUE(HasStartupEntry());
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_TRUE(sim.shell.messages.empty());
}

TEST_F(LaunchAtLogon, ABoxThatCannotBeMadeTrueIsUntickedWithOneMessage) {
  InstallGroupShortcut();
  sim.files.refuseFileWrites = true;
  Start();
  form->Check4.UserClicked();
  ExpectRefusedOnce();
}

TEST_F(LaunchAtLogon, NoStartUpFolderIsToldAsSuch) {
  sim.files.startupFolder.clear();
  Start();
  form->Check4.UserClicked();
  ExpectRefusedOnce();
  EXPECT_TRUE(sim.files.contents.empty());
}

TEST_F(LaunchAtLogon, AFailedMoveLeavesNoDraftBehind) {
  InstallGroupShortcut();
  sim.files.contents[StartupEntry()] = "an older copy";
  sim.files.refuseFileMoves = true;
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

  sim.files.contents.erase(StartupEntry());
  Start();
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(sim.files.contents[StartupEntry()], kInstalledShortcut);
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");
  EXPECT_TRUE(sim.shell.messages.empty());
}

TEST_F(LaunchAtLogon, AStartThatCannotRenewTheEntryKeepsTheChoiceAndTriesAgainNextStart) {
  // At log-on a redirected StartUp folder may not be there yet.
  InstallGroupShortcut();
  Store("startup", "windows", "1");
  sim.files.contents[StartupEntry()] = "the entry that started this run";
  sim.files.refuseFileWrites = true;
  Start();
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");
  EXPECT_EQ(sim.files.contents[StartupEntry()], "the entry that started this run");
  EXPECT_EQ(StartupFiles(), 1) << "no draft is left";
  EXPECT_TRUE(sim.shell.messages.empty()) << "no box before the window";
  ASSERT_EQ(sim.shell.traces.size(), 1U);
  EXPECT_TRUE(sim.shell.traces[0].find("next start") != std::string::npos) << sim.shell.traces[0];
  EXPECT_TRUE(sim.form.visible) << "the rest of start-up goes on";
  EXPECT_TRUE(form->Timer1.Enabled());
  form.reset();

  sim.files.refuseFileWrites = false;
  const std::string startup = std::exchange(sim.files.startupFolder, "");
  Start();
  EXPECT_TRUE(form->Check4.IsChecked()) << "a folder the system cannot name yet: the same";
  EXPECT_TRUE(sim.shell.messages.empty());
  form.reset();

  sim.files.startupFolder = startup;
  Start();
  EXPECT_EQ(sim.files.contents[StartupEntry()], kInstalledShortcut);
  EXPECT_EQ(sim.shell.traces.size(), 2U);

  // The user's own tick is told of a failure, and the box shows it.
  form->Check4.UserClicked();
  sim.files.refuseFileWrites = true;
  form->Check4.UserClicked();
  ExpectRefusedOnce();
}

TEST_F(LaunchAtLogon, AStartLeavesWhatTaskManagerSwitchedOffSwitchedOff) {
  InstallGroupShortcut();
  Store("startup", "windows", "1");
  sim.files.contents[StartupEntry()] = "the entry switched off";
  sim.files.startupDisabledMarks = {"Tarnwick.lnk"};
  Start();
  EXPECT_FALSE(form->Check4.IsChecked());
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "0");
  EXPECT_EQ(sim.files.startupDisabledMarks, std::set<std::string>{"Tarnwick.lnk"});
  EXPECT_EQ(sim.files.contents[StartupEntry()], "the entry switched off")
      << "Task Manager shows it";
  EXPECT_TRUE(sim.shell.messages.empty());
  form.reset();

  Start();
  EXPECT_FALSE(form->Check4.IsChecked());
  EXPECT_EQ(sim.files.startupDisabledMarks, std::set<std::string>{"Tarnwick.lnk"});
}

TEST_F(LaunchAtLogon, AnUnreadableValueShowsWhetherTheEntryIsThere) {
  InstallGroupShortcut();
  Store("startup", "windows", "garbage");
  sim.files.contents[StartupEntry()] = "an entry";
  Start();
  EXPECT_TRUE(form->Check4.IsChecked());
  EXPECT_EQ(sim.settings.Setting("startup", "windows"), "1");
  EXPECT_EQ(sim.files.contents[StartupEntry()], kInstalledShortcut) << "renewed as any tick";
}

TEST_F(LaunchAtLogon, TheUninstallersSwitchTakesOutOnlyAnEntryThatStartsThisCopy) {
  sim.files.contents[StartupEntry()] = SimFiles::ShortcutContent("D:\\Tarnwick.exe", "D:\\");
  sim.files.startupDisabledMarks = {"Tarnwick.lnk"};
  EXPECT_FALSE(RemoveOwnStartupEntry(sim.files));
  EXPECT_TRUE(HasStartupEntry());
  EXPECT_FALSE(sim.files.startupDisabledMarks.empty());

  sim.files.contents[StartupEntry()] = kInstalledShortcut;
  EXPECT_TRUE(RemoveOwnStartupEntry(sim.files));
  EXPECT_FALSE(HasStartupEntry());
  EXPECT_TRUE(sim.files.startupDisabledMarks.empty());
}

TEST_F(LaunchAtLogon, TickingSwitchesBackOnWhatTaskManagerSwitchedOff) {
  InstallGroupShortcut();
  sim.files.contents[StartupEntry()] = kInstalledShortcut;
  sim.files.startupDisabledMarks = {"Tarnwick.lnk", "Other.lnk"};
  Start();
  form->Check4.UserClicked();
  EXPECT_EQ(sim.files.startupDisabledMarks, std::set<std::string>{"Other.lnk"});

  sim.files.startupDisabledMarks.insert("Tarnwick.lnk");
  form->Check4.UserClicked();
  EXPECT_FALSE(HasStartupEntry());
  EXPECT_EQ(sim.files.startupDisabledMarks, std::set<std::string>{"Other.lnk"})
      << "the mark goes with the copy";
}

TEST_F(LaunchAtLogon, AnOffMarkThatStaysMakesTheTickFail) {
  InstallGroupShortcut();
  sim.files.startupDisabledMarks = {"Tarnwick.lnk"};
  sim.files.refuseMarkChanges = true;
  Start();
  form->Check4.UserClicked();
  ExpectRefusedOnce();

  sim.files.startupDisabledMarks.clear();
  form->Check4.UserClicked();
  EXPECT_TRUE(form->Check4.IsChecked()) << "no mark left is as good as a cleared one";
  EXPECT_TRUE(HasStartupEntry());
}

}  // namespace
}  // namespace tarnwick::sim
