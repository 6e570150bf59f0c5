#pragma once
#include <map>
#include <set>
#include <string>

#include "seam/file_system.h"

namespace tarnwick::sim {

// The program's folder and the user's Start Menu, as files in memory.
class SimFiles : public FileSystem {
 public:
  std::map<std::string, std::string> contents;  // path to content
  // The user's Start Menu folders; "" when the system cannot name them.
  std::string programsFolder = "C:\\Users\\sim\\AppData\\Start Menu\\Programs";
  std::string startupFolder = programsFolder + "\\Startup";
  std::string programFolder = "C:\\Program Files\\Tarnwick";
  std::set<std::string> startupDisabledMarks;  // StartUp entries switched off in Task Manager
  bool refuseFileWrites = false;               // copies, moves and new shortcuts fail
  bool refuseFileMoves = false;
  bool refuseMarkChanges = false;
  // What CreateShortcut writes into its file; ShortcutStarts reads the target back from the
  // first line, so a test may add lines of its own to tell one shortcut from another.
  static std::string ShortcutContent(const std::string& target, const std::string& folder);

  std::string ProgramsFolder() override { return programsFolder; }
  std::string StartupFolder() override { return startupFolder; }
  bool CopyFile(const std::string& source, const std::string& destination) override;
  bool MoveFile(const std::string& source, const std::string& destination) override;
  bool DeleteFile(const std::string& path) override { return contents.erase(path) != 0; }
  bool FileExists(const std::string& path) override { return contents.count(path) != 0; }
  bool CreateShortcut(const std::string& path, const std::string& target,
                      const std::string& workingFolder) override;
  bool ShortcutStarts(const std::string& shortcut, const std::string& program) override;
  std::string ShortcutTarget(const std::string& shortcut) override;
  bool ClearStartupDisabledMark(const std::string& fileName) override;
  bool StartupEntryDisabled(const std::string& fileName) override {
    return startupDisabledMarks.count(fileName) != 0;
  }
  std::string ProgramPath() override { return programFolder + "\\Tarnwick.exe"; }
  std::string ProgramFolder() override { return programFolder; }
};

}  // namespace tarnwick::sim
