#pragma once
// Reading a shortcut file back as Explorer does when it starts the StartUp folder's entries;
// shared by the Windows test tiers. COM must be initialised on the calling thread.
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

namespace tarnwick::test_support {

struct Shortcut {
  std::wstring target;
  std::wstring workingFolder;
};

// Empty fields when the file is missing or is no shortcut.
inline Shortcut ReadShortcut(const std::wstring& path) {
  Shortcut shortcut;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return shortcut;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t text[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
        link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH) == S_OK) {
      shortcut.target = text;
      if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) shortcut.workingFolder = text;
    }
    file->Release();
  }
  link->Release();
  return shortcut;
}

}  // namespace tarnwick::test_support
