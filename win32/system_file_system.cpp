// The Windows API comes first: the shell's COM headers build on it.
// clang-format off
#include "win32/win32_api.h"
// clang-format on
#include "win32/system_file_system.h"

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <optional>
#include <vector>

#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

// Where Explorer keeps what Task Manager switched off among the StartUp folder's entries.
constexpr wchar_t kStartupApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

// The folder wherever the user keeps it (folders can be redirected), created when missing.
std::string KnownFolder(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  const HRESULT result = SHGetKnownFolderPath(folder, KF_FLAG_CREATE, nullptr, &path);
  std::wstring found = SUCCEEDED(result) && path != nullptr ? path : L"";
  // The buffer is the caller's to free, whether the lookup succeeded or not.
  CoTaskMemFree(path);
  while (!found.empty() && found.back() == L'\\') found.pop_back();
  return Narrow(found);
}

// COM for one call, on a thread that may or may not have it already: the program's UI
// thread has, a test's thread may not.
class ComForThisCall {
 public:
  ComForThisCall()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComForThisCall() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComForThisCall(const ComForThisCall&) = delete;
  ComForThisCall& operator=(const ComForThisCall&) = delete;

 private:
  HRESULT result_;
};

// What names a file whatever path leads to it: letter case, short names and links differ,
// this does not.
struct FileIdentity {
  DWORD volume = 0;
  DWORD indexHigh = 0;
  DWORD indexLow = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::wstring& path) {
  // Attributes only, shared every way: the running program's own file opens too.
  HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(file, &information) != FALSE;
  CloseHandle(file);
  if (!known) return std::nullopt;
  return FileIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                      information.nFileIndexLow};
}

// The file a shortcut starts, as Explorer reads it at log-on, with environment variables
// expanded; empty when there is none. The shortcut is not resolved: that may search the
// disks for a moved target.
std::wstring TargetOf(const std::wstring& shortcut) {
  ComForThisCall com;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return {};
  }
  std::wstring target(32768, L'\0');
  bool found = false;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    found = SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
            link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0) == S_OK;
    file->Release();
  }
  link->Release();
  target.resize(found ? wcsnlen(target.c_str(), target.size()) : 0);
  return target;
}

}  // namespace

std::string SystemFileSystem::ProgramsFolder() {
  return KnownFolder(FOLDERID_Programs);
}

std::string SystemFileSystem::StartupFolder() {
  return KnownFolder(FOLDERID_Startup);
}

bool SystemFileSystem::CopyFile(const std::string& source, const std::string& destination) {
  return CopyFileW(Widen(source).c_str(), Widen(destination).c_str(), FALSE) != FALSE;
}

bool SystemFileSystem::MoveFile(const std::string& source, const std::string& destination) {
  return MoveFileExW(Widen(source).c_str(), Widen(destination).c_str(),
                     MOVEFILE_REPLACE_EXISTING) != FALSE;
}

bool SystemFileSystem::DeleteFile(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) != FALSE;
}

bool SystemFileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SystemFileSystem::CreateShortcut(const std::string& path, const std::string& target,
                                      const std::string& workingFolder) {
  if (target.empty()) return false;  // the program could not name its own file
  ComForThisCall com;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  bool saved = false;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->SetPath(Widen(target).c_str())) &&
      SUCCEEDED(link->SetWorkingDirectory(Widen(workingFolder).c_str())) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(Widen(path).c_str(), TRUE));
    file->Release();
  }
  link->Release();
  return saved;
}

bool SystemFileSystem::ClearStartupDisabledMark(const std::string& fileName) {
  const LSTATUS status =
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kStartupApprovedKey, Widen(fileName).c_str());
  // A missing value, or a missing key, is an entry nobody switched off.
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool SystemFileSystem::ShortcutStarts(const std::string& shortcut, const std::string& program) {
  const std::wstring target = TargetOf(Widen(shortcut));
  if (target.empty()) return false;
  const std::optional<FileIdentity> started = IdentityOf(target);
  return started.has_value() && started == IdentityOf(Widen(program));
}

std::string SystemFileSystem::ShortcutTarget(const std::string& shortcut) {
  return Narrow(TargetOf(Widen(shortcut)));
}

bool SystemFileSystem::StartupEntryDisabled(const std::string& fileName) {
  const std::wstring name = Widen(fileName);
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kStartupApprovedKey, name.c_str(), RRF_RT_REG_BINARY, nullptr,
                   nullptr, &size) != ERROR_SUCCESS ||
      size == 0) {
    return false;
  }
  std::vector<BYTE> record(size);
  if (RegGetValueW(HKEY_CURRENT_USER, kStartupApprovedKey, name.c_str(), RRF_RT_REG_BINARY, nullptr,
                   record.data(), &size) != ERROR_SUCCESS ||
      size == 0) {
    return false;
  }
  // Task Manager's record begins with 2 for an entry switched on and 3 for one switched off;
  // the low bit is what it reads.
  return (record[0] & 1U) != 0;
}

std::string SystemFileSystem::ProgramPath() {
  // Long paths are possible, so grow the buffer until the whole path fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::string SystemFileSystem::ProgramFolder() {
  const std::string path = ProgramPath();
  const size_t separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string{} : path.substr(0, separator);
}

}  // namespace tarnwick::win32
