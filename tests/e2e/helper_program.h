#pragma once
// The helper program (tarnwick_e2e_helper.exe) as the driver sees it: another process with
// one titled window that can open a popup menu or stop answering when told to.
#include <windows.h>

#include <chrono>
#include <string>

#include "child_process.h"

namespace tarnwick::e2e {

// Set once from the command line, as a Windows path.
void SetHelperPath(const std::wstring& path);
const std::wstring& HelperPath();

class HelperProgram {
 public:
  // Ends a hang, then the process.
  ~HelperProgram();

  // Starts it with its window at `bounds`, shown without taking the foreground; true once
  // the window is there.
  bool Start(const std::wstring& title, RECT bounds);
  HWND Handle() const { return window_; }
  DWORD Id() const { return process_.Id(); }
  POINT ClientSpot() const;

  // Opens a popup menu at `at`, taking the foreground first or not; true once it shows.
  bool OpenMenu(POINT at, bool inFront = true);
  bool EndMenu();     // the program closes its menu itself; true once it is gone
  HWND Menu() const;  // the process's visible menu window, or nullptr
  // Whether its window's thread is in menu mode, as the foreground thread's flags say.
  bool InMenuMode() const;

  // Makes the window's thread stop pumping; true once it no longer answers.
  bool Hang();
  void Release();  // lets a hang end
  bool Answers() const;

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
  HANDLE releaseEvent_ = nullptr;
};

}  // namespace tarnwick::e2e
