#include <string>

#include "app/form1.h"

namespace tarnwick {

namespace {

// The shortcut the installer puts in the program group, and the name of its StartUp copy.
constexpr const char* kGroupShortcut = "\\Tarnwick\\Tarnwick.lnk";
constexpr const char* kStartupEntry = "Tarnwick.lnk";
// The entry is written under this name first and then renamed, so a failure never leaves
// a broken entry under the real name. A draft left by a crash is replaced by the next
// tick and removed by an untick.
constexpr const char* kStartupDraft = "Tarnwick.lnk.new";

// Puts the entry into the StartUp folder and switches it on; says why when it cannot.
std::string PlaceStartupEntry(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  if (startup.empty()) return "Windows did not tell where your StartUp folder is.";
  const std::string draft = startup + "\\" + kStartupDraft;
  // Without the program group (a portable copy, or a group the user deleted) the entry
  // starts this very program.
  const std::string programs = files.ProgramsFolder();
  const bool written = (!programs.empty() && files.CopyFile(programs + kGroupShortcut, draft)) ||
                       files.CreateShortcut(draft, files.ProgramPath(), files.ProgramFolder());
  if (!written || !files.MoveFile(draft, startup + "\\" + kStartupEntry)) {
    files.DeleteFile(draft);
    return "its shortcut could not be written to your StartUp folder (" + startup + ").";
  }
  if (!files.ClearStartupDisabledMark(kStartupEntry)) {
    return "it is switched off in the Task Manager's start-up list and could not be switched "
           "on.";
  }
  return {};
}

void RemoveStartupEntry(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  if (!startup.empty()) {
    files.DeleteFile(startup + "\\" + kStartupEntry);
    files.DeleteFile(startup + "\\" + kStartupDraft);
  }
  files.ClearStartupDisabledMark(kStartupEntry);
}

}  // namespace

void Form1::Check4_Click() {
  if (!Check4.IsChecked()) {
    RemoveStartupEntry(platform_.files);
    SaveCheckSetting(kLaunchAtLogonSetting, Check4);
    return;
  }
  const std::string failure = PlaceStartupEntry(platform_.files);
  if (failure.empty()) {
    SaveCheckSetting(kLaunchAtLogonSetting, Check4);
    return;
  }
  // The box must not claim what is not so. Unticking runs this handler again, which clears
  // up and stores "0"; the message comes after, so the window already shows the truth.
  Check4.SetValue(kUnchecked);
  platform_.shell.ShowMessage(kApplicationName,
                              "Tarnwick could not be set to start at log-on: " + failure);
}

}  // namespace tarnwick
