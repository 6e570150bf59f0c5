#pragma once
// The commctrl header builds on the Windows API, which the main window's header brings.
// clang-format off
#include "win32/main_window.h"
// clang-format on
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "test_windows.h"
#include "win32/private_messages.h"
#include "win32/registry_settings.h"
#include "win32/system_file_system.h"
#include "win32/system_key_activity.h"
#include "win32/system_raw_input.h"
#include "win32/system_screen.h"
#include "win32/system_shell.h"
#include "win32/system_text_rules.h"
#include "win32/system_window_manager.h"
#include "win32/text_conversion.h"
#include "win32/windows_facts.h"

namespace tarnwick::win32 {

// The real main window bound to the real model, started from an empty store.
class MainWindowTest : public ::testing::Test {
 protected:
  // The Options window while it is open, found as a user finds it: by its caption.
  static HWND OptionsWindow() { return testing::FindThreadWindow(L"#32770", L"Tarnwick Options"); }
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwick");
    // As the program does at start: the Options window holds hotkey controls.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
    screen = std::make_unique<SystemScreen>(window.Handle());
    shell = std::make_unique<SystemShell>(window.Handle());
    loop = std::make_unique<SystemEventLoop>(window.Handle());
    rawInput = std::make_unique<SystemRawInput>(window.Handle());
    facts = std::make_unique<WindowsFacts>(window.Handle(), hook);
    keyActivity = std::make_unique<SystemKeyActivity>(window.Handle(), kKeyBurstMessage);
    platform =
        std::make_unique<Platform>(Platform{settings, windows, *screen, *shell, *loop, window,
                                            files, *rawInput, textRules, *facts, *keyActivity});
    form = std::make_unique<Form1>(*platform);
    window.Bind(*form, *loop);
    window.UseShell(shell.get());
    form->Start();
    testing::PumpFor(100);
  }

  // Later tiers share this prefix and desktop: leave no settings and no tray icon behind.
  void TearDown() override {
    testing::StopRepeating();
    if (shell != nullptr) {
      shell->DeleteTrayIcon(IconId::kApplication);
      shell->DeleteTrayIcon(IconId::kDisabled);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwick");
  }

  HWND Of(const Control& control) const { return window.View()->ControlWindow(control); }
  std::string TextOf(HWND control) const {
    wchar_t text[256]{};
    const int length = GetWindowTextW(control, text, 256);
    return Narrow(text, length);
  }
  bool Checked(const Control& control) const {
    return SendMessageW(Of(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void Click(const Control& control) { SendMessageW(Of(control), BM_CLICK, 0, 0); }
  void Send(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageW(window.Handle(), message, wParam, lParam);
  }
  std::string Stored(const std::string& section, const std::string& key) {
    return settings.Read("Tarnwick", section, key).value_or("<absent>");
  }

  MainWindow window;  // outlives the model, whose view it owns
  RegistrySettings settings;
  SystemWindowManager windows;
  SystemFileSystem files;
  SystemTextRules textRules;
  std::unique_ptr<SystemScreen> screen;
  std::unique_ptr<SystemShell> shell;
  KeyboardHook hook;  // never started: the tests here press no global keys
  std::unique_ptr<WindowsFacts> facts;
  std::unique_ptr<SystemKeyActivity> keyActivity;
  std::unique_ptr<SystemEventLoop> loop;
  std::unique_ptr<SystemRawInput> rawInput;
  std::unique_ptr<Platform> platform;
  std::unique_ptr<Form1> form;
};

}  // namespace tarnwick::win32
