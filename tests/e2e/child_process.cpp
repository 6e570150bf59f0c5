#include "child_process.h"

#include <cstdio>

#include "desktop.h"

namespace tarnwick::e2e {

bool ChildProcess::Start(const std::wstring& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    std::fprintf(stderr, "e2e: cannot start %s (error %lu)\n", Narrow(program).c_str(),
                 GetLastError());
    return false;
  }
  CloseHandle(info.hThread);
  handle_.reset(info.hProcess);
  id_ = info.dwProcessId;
  return true;
}

void ChildProcess::Ender::operator()(HANDLE process) const {
  if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
  }
  CloseHandle(process);
}

bool ChildProcess::Running() const {
  return handle_ && WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  return WaitUntil([this] { return !Running(); }, timeout);
}

}  // namespace tarnwick::e2e
