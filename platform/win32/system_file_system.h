#pragma once
#include "platform/file_system.h"

namespace tarnwick::win32 {

class SystemFileSystem : public FileSystem {
 public:
  std::string EnvironmentVariable(const std::string& name) override;
  bool CopyFile(const std::string& source, const std::string& destination) override;
  bool DeleteFile(const std::string& path) override;
  std::string ProgramFolder() override;
};

}  // namespace tarnwick::win32
