#include "platform/win32/system_file_system.h"

#include "platform/win32/text_conversion.h"
#include "platform/win32/win32_api.h"

namespace tarnwick::win32 {

std::string SystemFileSystem::EnvironmentVariable(const std::string& name) {
  const std::wstring wideName = Widen(name);
  // The value can change between the size query and the read; retry with the new size.
  DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  for (int attempt = 0; attempt < 3 && size > 0; ++attempt) {
    std::wstring value(size, L'\0');
    const DWORD copied = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
    if (copied < size) {
      value.resize(copied);
      return Narrow(value);
    }
    size = copied;
  }
  return {};
}

bool SystemFileSystem::CopyFile(const std::string& source, const std::string& destination) {
  return CopyFileW(Widen(source).c_str(), Widen(destination).c_str(), FALSE) != FALSE;
}

bool SystemFileSystem::DeleteFile(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) != FALSE;
}

std::string SystemFileSystem::ProgramFolder() {
  // Long paths are possible, so grow the buffer until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  const size_t separator = path.find_last_of(L"\\/");
  return Narrow(separator == std::wstring::npos ? std::wstring{} : path.substr(0, separator));
}

}  // namespace tarnwick::win32
