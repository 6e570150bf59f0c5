#include "app/startup_entry.h"

namespace tarnwick {

namespace {

// The shortcut the installer puts in the program group, and the name of its StartUp copy.
constexpr const char* kGroupShortcut = "\\Tarnwick\\Tarnwick.lnk";
constexpr const char* kStartupEntry = "Tarnwick.lnk";
// The entry is written under this name first and then renamed, so a failure never leaves
// a broken entry under the real name. A draft left by a crash is replaced by the next
// tick and removed by an untick.
constexpr const char* kStartupDraft = "Tarnwick.lnk.new";

// Puts the entry into the StartUp folder; says why when it cannot.
std::string WriteStartupEntry(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  if (startup.empty()) return "Windows did not tell where your StartUp folder is.";
  const std::string draft = startup + "\\" + kStartupDraft;
  const std::string program = files.ProgramPath();
  // The group's shortcut is copied only when it starts this very copy: beside an installed
  // copy, a portable one must start itself at log-on. Without the group (a portable copy, a
  // group the user deleted) the entry is made afresh.
  const std::string programs = files.ProgramsFolder();
  const std::string group = programs.empty() ? std::string{} : programs + kGroupShortcut;
  const bool written =
      (!group.empty() && files.ShortcutStarts(group, program) && files.CopyFile(group, draft)) ||
      files.CreateShortcut(draft, program, files.ProgramFolder());
  if (!written || !files.MoveFile(draft, startup + "\\" + kStartupEntry)) {
    files.DeleteFile(draft);
    return "its shortcut could not be written to your StartUp folder (" + startup + ").";
  }
  return {};
}

}  // namespace

std::string SwitchStartupEntryOn(FileSystem& files) {
  std::string failure = WriteStartupEntry(files);
  if (failure.empty() && !files.ClearStartupDisabledMark(kStartupEntry)) {
    failure =
        "it is switched off in the Task Manager's start-up list and could not be switched on.";
  }
  return failure;
}

void SwitchStartupEntryOff(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  if (!startup.empty()) {
    files.DeleteFile(startup + "\\" + kStartupEntry);
    files.DeleteFile(startup + "\\" + kStartupDraft);
  }
  files.ClearStartupDisabledMark(kStartupEntry);
}

StartupRenewal RenewStartupEntry(FileSystem& files, std::string& failure) {
  // The user's word in Task Manager is the newer one; the mark is only ever cleared by a
  // tick of the user's own.
  if (files.StartupEntryDisabled(kStartupEntry)) return StartupRenewal::kSwitchedOffByUser;
  failure = WriteStartupEntry(files);
  return failure.empty() ? StartupRenewal::kRenewed : StartupRenewal::kFailed;
}

bool StartupEntryPresent(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  return !startup.empty() && files.FileExists(startup + "\\" + kStartupEntry);
}

bool RemoveOwnStartupEntry(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  if (startup.empty() ||
      !files.ShortcutStarts(startup + "\\" + kStartupEntry, files.ProgramPath())) {
    return false;
  }
  SwitchStartupEntryOff(files);
  return true;
}

}  // namespace tarnwick
