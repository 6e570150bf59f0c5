// The Windows API comes first: the common-controls and COM headers build on it.
// clang-format off
#include "win32/win32_api.h"
// clang-format on
#include <commctrl.h>
#include <objbase.h>

#include <array>
#include <exception>
#include <optional>
#include <vector>

#include "app/form1.h"
#include "common/invariant.h"
#include "win32/keyboard_hook.h"
#include "win32/main_window.h"
#include "win32/private_messages.h"
#include "win32/registry_settings.h"
#include "win32/single_instance.h"
#include "win32/system_event_loop.h"
#include "win32/system_file_system.h"
#include "win32/system_raw_input.h"
#include "win32/system_screen.h"
#include "win32/system_shell.h"
#include "win32/system_text_rules.h"
#include "win32/system_window_manager.h"
#include "win32/uninstall_switch.h"
#include "win32/windows_facts.h"

namespace tarnwick::win32 {
namespace {

int RunProgram(HINSTANCE instance) {
  // A debugger, or a tool such as DebugView, shows what broke.
  SetInvariantReporter([](const char* report) { OutputDebugStringA(report); });
  if (RanUninstallSwitch()) return 0;
  SingleInstance single;
  if (!single.Claim()) return 0;  // the running one was asked to show itself
  // The Options window holds hotkey controls.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&controls);

  MainWindow window;
  if (!window.Create(instance)) return 1;
  RegistrySettings settings;
  SystemWindowManager windows;
  SystemScreen screen(window.Handle());
  SystemShell shell(window.Handle());
  SystemEventLoop loop(window.Handle());
  SystemFileSystem files;
  SystemTextRules text;
  SystemRawInput rawInput(window.Handle());
  window.OnRawInput([&rawInput](HRAWINPUT input) { rawInput.Read(input); });
  KeyboardHook hook;
  WindowsFacts facts(window.Handle(), hook);
  Platform platform{settings, windows, screen, shell, loop, window, files, rawInput, text, facts};
  windows.TellUser(&shell);
  window.UseShell(&shell);

  Form1 form(platform);
  window.Bind(form, loop);
  // Without the hook the program still runs; only the hotkeys are missing.
  hook.Start(window.Handle(), kKeyPressMessage);
  window.OnHookMayBeLost([&hook] { hook.Reinstall(); });
  form.Start();
  // Only the chords in force reach this thread, and they change only when the Options
  // window applies new ones, from within a message this loop dispatched.
  std::optional<std::array<Chord, kHotkeyCommandCount>> reported;
  const auto reportChordsInForce = [&] {
    const auto& hotkeys = form.CurrentOptions().hotkeys;
    if (reported == hotkeys) return;
    reported = hotkeys;
    std::vector<Chord> chords;
    for (const Chord& chord : hotkeys) {
      if (!chord.IsNone()) chords.push_back({chord.keyCode, chord.modifiers});
    }
    hook.ReportOnly(std::move(chords));
  };
  reportChordsInForce();
  loop.AfterEachMessage(reportChordsInForce);
  const int exitCode = form.Ended() ? 0 : loop.Run();
  // A new start may be waiting for this one to go: the window first, so that it is not
  // asked to show itself, then the claim. What is left to tidy up is ours alone.
  loop.AfterEachMessage(nullptr);
  window.OnHookMayBeLost(nullptr);
  window.OnRawInput(nullptr);
  window.Destroy();
  single.Release();
  return exitCode;
}

}  // namespace
}  // namespace tarnwick::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The shell calls (tray, ShellExecute) expect COM on the UI thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int exitCode = 1;
  try {
    exitCode = tarnwick::win32::RunProgram(instance);
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), "Tarnwick", MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(nullptr, "Tarnwick stopped after an unexpected error.", "Tarnwick",
                MB_OK | MB_ICONERROR);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
