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

// Another copy of the program (a portable one beside the installed one, say) may own the
// entry: both copies share the stored tick, so each start of either would otherwise take the
// entry over, and the other copy would no longer start at log-on while its box said it did.
// An entry whose program is gone starts nothing and is nobody's.
bool StartsAnotherCopy(FileSystem& files, const std::string& entry) {
  const std::string target = files.ShortcutTarget(entry);
  return !target.empty() && files.FileExists(target) &&
         !files.ShortcutStarts(entry, files.ProgramPath());
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

bool SwitchStartupEntryOff(FileSystem& files) {
  const std::string startup = files.StartupFolder();
  if (startup.empty()) {
    files.ClearStartupDisabledMark(kStartupEntry);
    return true;
  }
  files.DeleteFile(startup + "\\" + kStartupDraft);
  const std::string entry = startup + "\\" + kStartupEntry;
  if (StartsAnotherCopy(files, entry)) return false;
  files.DeleteFile(entry);
  files.ClearStartupDisabledMark(kStartupEntry);
  return true;
}

StartupRenewal RenewStartupEntry(FileSystem& files, std::string& why) {
  const std::string startup = files.StartupFolder();
  if (!startup.empty() && StartsAnotherCopy(files, startup + "\\" + kStartupEntry)) {
    why = files.ShortcutTarget(startup + "\\" + kStartupEntry);
    return StartupRenewal::kAnotherCopys;
  }
  // The user's word in Task Manager is the newer one; the mark is only ever cleared by a
  // tick of the user's own.
  if (files.StartupEntryDisabled(kStartupEntry)) return StartupRenewal::kSwitchedOffByUser;
  why = WriteStartupEntry(files);
  return why.empty() ? StartupRenewal::kRenewed : StartupRenewal::kFailed;
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
