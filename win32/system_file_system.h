#pragma once
#include "seam/file_system.h"

namespace tarnwick::win32 {

class SystemFileSystem : public FileSystem {
 public:
  std::string ProgramsFolder() override;
  std::string StartupFolder() override;
  bool CopyFile(const std::string& source, const std::string& destination) override;
  bool MoveFile(const std::string& source, const std::string& destination) override;
  bool DeleteFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool CreateShortcut(const std::string& path, const std::string& target,
                      const std::string& workingFolder) override;
  bool ShortcutStarts(const std::string& shortcut, const std::string& program) override;
  std::string ShortcutTarget(const std::string& shortcut) override;
  bool ClearStartupDisabledMark(const std::string& fileName) override;
  bool StartupEntryDisabled(const std::string& fileName) override;
  std::string ProgramPath() override;
  std::string ProgramFolder() override;
};

}  // namespace tarnwick::win32
