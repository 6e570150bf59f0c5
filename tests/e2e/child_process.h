#pragma once
// A process the driver starts and owns: Tarnwick.exe, the helper program, notepad.exe.
// Whatever still runs when the object goes is terminated, so a failed case leaves nothing
// behind for the cases that follow.
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

namespace tarnwick::e2e {

class ChildProcess {
 public:
  // Starts `program` (a path, or a name the search path finds) with `arguments`; false,
  // with a note on stderr, when it cannot be started.
  bool Start(const std::wstring& program, const std::wstring& arguments = L"");
  // Ends it at once (if it still runs) and waits a while for it to be gone.
  void Terminate() { handle_.reset(); }

  bool Running() const;
  bool WaitForExit(std::chrono::milliseconds timeout);
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return handle_.get(); }  // nullptr once terminated

 private:
  // Terminates the process if it still runs, then closes the handle.
  struct Ender {
    void operator()(HANDLE process) const;
  };
  std::unique_ptr<void, Ender> handle_;
  DWORD id_ = 0;
};

}  // namespace tarnwick::e2e
