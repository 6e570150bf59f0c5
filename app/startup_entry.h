#pragma once
#include <string>

#include "seam/file_system.h"

namespace tarnwick {

// The program's entry in the user's StartUp folder, which the system starts at log-on.

// Writes the entry and switches it on, as the user's tick asks: "" when done, else why not,
// in words for the user.
std::string SwitchStartupEntryOn(FileSystem& files);

// Takes the entry out, and with it any mark Task Manager keeps for it. An entry that starts
// another copy of the program, one that is there, is that copy's: it and its mark stay, and
// the answer is false.
bool SwitchStartupEntryOff(FileSystem& files);

enum class StartupRenewal {
  kRenewed,
  kAnotherCopys,       // it starts another copy that is there: nothing was touched
  kSwitchedOffByUser,  // in Task Manager: nothing was touched
  kFailed,             // nothing was switched off either: the next start tries again
};

// Start-up writes the entry again, so that one deleted behind the program's back comes
// back; an entry the user switched off in Task Manager, and one that starts another copy
// of the program, stay as they are. `why` tells the failure, or which copy the entry starts.
StartupRenewal RenewStartupEntry(FileSystem& files, std::string& why);

// Whether the entry is in the StartUp folder, whichever copy it starts and whether or not
// Task Manager switched it off.
bool StartupEntryPresent(FileSystem& files);

// The uninstaller's part: takes the entry out, as unticking does, only when it starts this
// very program; another copy's entry, and its mark, stay. True when it was taken out.
bool RemoveOwnStartupEntry(FileSystem& files);

}  // namespace tarnwick
