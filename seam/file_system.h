#pragma once
#include <string>

namespace tarnwick {

// The program's own location and the user's Start Menu folders and shortcuts, which
// launch at log-on works on. Paths are UTF-8 and carry no trailing separator.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The user's Start Menu program groups and StartUp folder, wherever the user keeps them;
  // empty when the system cannot name them.
  virtual std::string ProgramsFolder() = 0;
  virtual std::string StartupFolder() = 0;
  // Replaces an existing destination; false on any failure.
  virtual bool CopyFile(const std::string& source, const std::string& destination) = 0;
  // Replaces an existing destination in one step; false on any failure.
  virtual bool MoveFile(const std::string& source, const std::string& destination) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // Whether a file (not a folder) of that path is there.
  virtual bool FileExists(const std::string& path) = 0;
  // Writes a shortcut file that starts `target` in `workingFolder`; false on any failure,
  // which may leave part of the file behind.
  virtual bool CreateShortcut(const std::string& path, const std::string& target,
                              const std::string& workingFolder) = 0;
  // Whether the shortcut file starts `program`: the same file, however either path is
  // written. False when the shortcut is missing, is no shortcut or names no file.
  virtual bool ShortcutStarts(const std::string& shortcut, const std::string& program) = 0;
  // The file the shortcut starts, as written in it; empty when there is no shortcut or it
  // names no file. Whether that file exists is FileExists's question.
  virtual std::string ShortcutTarget(const std::string& shortcut) = 0;
  // Task Manager can switch a StartUp folder entry off while the file stays there; the
  // system then keeps a mark under the file's name. Removing it switches the entry back on.
  // True when no mark is left, also when there was none.
  virtual bool ClearStartupDisabledMark(const std::string& fileName) = 0;
  // Whether such a mark switches the entry of this name off. The mark outlives the file, so
  // an entry written again under the name stays off.
  virtual bool StartupEntryDisabled(const std::string& fileName) = 0;
  // The running program's file, and the folder it was started from.
  virtual std::string ProgramPath() = 0;
  virtual std::string ProgramFolder() = 0;
};

}  // namespace tarnwick
