// The Windows API comes first: the common-controls and COM headers build on it.
// clang-format off
#include "win32/win32_api.h"
// clang-format on
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <exception>
#include <iterator>
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
#include "win32/system_key_activity.h"
#include "win32/system_raw_input.h"
#include "win32/system_screen.h"
#include "win32/system_shell.h"
#include "win32/system_text_rules.h"
#include "win32/system_window_manager.h"
#include "win32/uninstall_switch.h"
#include "win32/windows_facts.h"

namespace tarnwick::win32 {
namespace {

// The Windows side of every interface the program's logic talks to, for one main window.
struct SystemPlatform {
  SystemPlatform(MainWindow& mainWindow, KeyboardHook& hook)
      : window(mainWindow),
        screen(mainWindow.Handle()),
        shell(mainWindow.Handle()),
        loop(mainWindow.Handle()),
        rawInput(mainWindow.Handle()),
        facts(mainWindow.Handle(), hook),
        keys(mainWindow.Handle(), kKeyBurstMessage) {
    window.OnRawInput([this](HRAWINPUT input) { rawInput.Read(input); });
    window.OnKeyBurst([this](WPARAM foreground) { keys.BurstPosted(foreground); });
    windows.TellUser(&shell);
    window.UseShell(&shell);
  }
  SystemPlatform(const SystemPlatform&) = delete;
  SystemPlatform& operator=(const SystemPlatform&) = delete;
  ~SystemPlatform() {
    window.OnRawInput(nullptr);
    window.OnKeyBurst(nullptr);
  }

  MainWindow& window;  // first: the platform below is built on it
  RegistrySettings settings;
  SystemWindowManager windows;
  SystemScreen screen;
  SystemShell shell;
  SystemEventLoop loop;
  SystemFileSystem files;
  SystemTextRules text;
  SystemRawInput rawInput;
  WindowsFacts facts;
  SystemKeyActivity keys;
  Platform platform{settings, windows,  screen, shell, loop, window,
                    files,    rawInput, text,   facts, keys};
};

// Only the chords in force reach the main thread. They change only when the Options window
// applies new ones, from within a message the loop dispatched, so the loop asks after each.
class ChordsForHook {
 public:
  ChordsForHook(const Form1& form, KeyboardHook& hook) : form_(form), hook_(hook) {}

  void TellIfChanged() {
    const HotkeyChords& hotkeys = form_.CurrentOptions().hotkeys;
    if (told_ == hotkeys) return;
    told_ = hotkeys;
    std::vector<Chord> chords;
    std::copy_if(hotkeys.begin(), hotkeys.end(), std::back_inserter(chords),
                 [](const Chord& chord) { return !chord.IsNone(); });
    hook_.ReportOnly(std::move(chords));
  }

 private:
  const Form1& form_;
  KeyboardHook& hook_;
  std::optional<HotkeyChords> told_;
};

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
  KeyboardHook hook;
  SystemPlatform system(window, hook);
  Form1 form(system.platform);
  window.Bind(form, system.loop);
  // Without the hook the program still runs; only the hotkeys are missing.
  hook.Start(window.Handle(), kKeyPressMessage, kCursorMovedMessage);
  window.OnHookMayBeLost([&hook](HookReinstallReason reason) { hook.Reinstall(reason); });
  system.windows.Cursor().HostOn([&hook](bool watch) { return hook.WatchCursor(watch); });
  window.OnCursorMoved([&system] { system.windows.Cursor().Moved(); });
  form.Start();
  ChordsForHook chords(form, hook);
  chords.TellIfChanged();
  system.loop.AfterEachMessage([&chords] { chords.TellIfChanged(); });
  const int exitCode = form.Ended() ? 0 : system.loop.Run();
  system.loop.AfterEachMessage(nullptr);
  window.OnHookMayBeLost(nullptr);
  window.OnCursorMoved(nullptr);
  // A new start may be waiting for this one to go: the window first, so that it is not
  // asked to show itself, then the claim. What is left to tidy up is ours alone.
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
