// The Windows API comes first: the shell's COM headers build on it.
// clang-format off
#include "win32/win32_api.h"
// clang-format on
#include "win32/system_file_system.h"

#include <knownfolders.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

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
