#pragma once
#include <string>

namespace tarnwick {

// Environment variables and the two file operations that launch at log-on needs.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // An unset variable reads as empty text.
  virtual std::string EnvironmentVariable(const std::string& name) = 0;
  // Replaces an existing destination; false on any failure.
  virtual bool CopyFile(const std::string& source, const std::string& destination) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // The folder the program was started from, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
};

}  // namespace tarnwick
