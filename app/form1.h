#pragma once
#include <array>
#include <optional>
#include <string>

#include "app/captions.h"
#include "app/controls.h"
#include "app/options_store.h"
#include "app/product.h"
#include "app/settings.h"
#include "app/sleep_at_rest.h"
#include "app/tray_events.h"
#include "cursor/desktop_layout.h"
#include "cursor/idle_parking.h"
#include "cursor/mouse_wrap.h"
#include "cursor/own_cursor.h"
#include "focus/focus_follow.h"
#include "focus/foreground_events.h"
#include "focus/hover_delay.h"
#include "focus/options.h"
#include "focus/pointer_follow.h"
#include "seam/platform.h"

namespace tarnwick {

// Timer ids on the event loop.
enum TimerId : int {
  kTimer1Id = 1,
  kTimer2Id = 2,
  kTimer3Id = 3,
  kTimer5Id = 5,
  kTimer8Id = 8,
  kRestLookId = 9,
  kPointerLookId = 10
};

// The main window: its controls, captions, stored settings and handlers. The features
// (focus-follow, mouse wrap, idle parking) own the program's state; each handler hands the
// user's action to the feature it concerns, and the controls show what the features hold.
class Form1 {
  // First, so that the controls below can reach the event loop as they are made.
  Platform& platform_;
  // Every setting, as the controls show it; the Options window's part is in force now.
  Settings settings_;

 public:
  // Every setting is read and written here.
  OptionsStore store{platform_.settings};

 public:
  explicit Form1(Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Creates the window's state: runs Form_Load, then shows the window unless start-up
  // hid it in the notification area.
  void Start();

  // --- Window state ---
  std::string caption = kWindowCaption;
  IconId icon = IconId::kApplication;  // the window's current picture, also the tray's

  // --- Frame "Focus Menu" ---
  Frame Frame1{"Frame1", "Focus Menu"};
  // Enable/disable toggle; its caption shows the state.
  CommandButton Command1{"Command1", kEnabledCaption, [this] { Command1_Click(); }};
  // About message.
  CommandButton Command3{"Command3", "&About", [this] { Command3_Click(); }};
  // Opens the help page.
  CommandButton Command5{"Command5", "&Help", [this] { Command5_Click(); }};
  // Hides the window to the tray.
  CommandButton Command4{"Command4", "&Minimize", [this] { Command4_Click(); }};
  // Ends the program.
  CommandButton Command2{"Command2", "E&xit", [this] { Command2_Click(); }};
  // Start hidden in the tray.
  CheckBox Check1{"Check1", "&Run Minimized on Start Up", [this] { Check1_Click(); }};
  Label Label3{"Label3", "On Mouse Over Delay 1000 = 1 Second"};
  // Hover delay in milliseconds.
  TextBox Text1{"Text1", kDefaultHoverDelayText, [this] { Text1_LostFocus(); }};

  // --- Frame "Mouse Wrap Menu" ---
  Frame Frame15{"Frame15", "Mouse Wrap Menu"};
  Label Label49{"Label49", "Calibration:"};
  // Calibration, shown only.
  TextBox Text35{"Text35", "100"};
  // Mouse wrap on at start.
  CheckBox Check7{"Check7", "Auo Run on Launch", [this] { Check7_Click(); }};
  // Wrap toggle; its caption shows the state.
  CommandButton Command20{"Command20", kWrapOffCaption, [this] { Command20_Click(); }};
  // The edges that wrap.
  CheckBox Check10{"Check10", "Right", [this] { Check10_Click(); }};
  CheckBox Check8{"Check8", "Left", [this] { Check8_Click(); }};
  CheckBox Check11{"Check11", "Top", [this] { Check11_Click(); }};
  CheckBox Check12{"Check12", "Bottom", [this] { Check12_Click(); }};

  // --- Frame "Auto Lanuch" ---
  Frame Frame4{"Frame4", "Auto Lanuch"};
  // Launch at log-on.
  CheckBox Check4{"Check4", "Auto Lanuch when windows Starts?", [this] { Check4_Click(); }};

  // --- Frame "Auto Hide " ---
  Frame Frame2{"Frame2", "Auto Hide "};
  // Idle parking; switches Timer8.
  CheckBox Check2{"Check2", "Auto Hide Mouse When Idel", [this] { Check2_Click(); }};
  Label Label4{"Label4", "Idle Delay"};
  // Idle delay in seconds.
  TextBox Text2{"Text2", "5", {}, [this] { Text2_Change(); }};
  // Park 200 pixels above the bottom.
  CheckBox Check5{"Check5", "Taskbar Auto Hiden?", [this] { Check5_Click(); }};

  // --- Help texts, stacked at the top ---
  // The four lines after the first name the chords in force (ShowChordsInHelp).
  std::array<Label, 5> Label1{
      Label{"Label1(0)", kFocusHelpLine},
      Label{"Label1(1)", ""},
      Label{"Label1(2)", ""},
      Label{"Label1(3)", ""},
      Label{"Label1(4)", ""},
  };

  // --- Hidden pictures ---
  Image Image1{"Image1", IconId::kApplication};  // enabled look
  Image Image2{"Image2", IconId::kDisabled};     // disabled look

  // --- Menus ---
  MenuItem File{"File", "&File"};
  MenuItem EnableDisable{"EnableDisable", "Enable/Disable", [this] { EnableDisable_Click(); }};
  MenuItem Minimize{"Minimize", "&Minimize", [this] { Minimize_Click(); }};
  MenuItem OptionsItem{"OptionsItem", "&Options...", [this] { Options_Click(); }};
  MenuItem Exit{"Exit", "E&xit", [this] { Exit_Click(); }};
  MenuItem Help1{"Help1", "&Help"};
  MenuItem About{"About", "&About", [this] { About_Click(); }};
  MenuItem Help{"Help", "&Help", [this] { Help_Click(); }};

  // --- Timers ---
  // Focus-follow poll.
  Timer Timer1{"Timer1", kTimer1Id, 250, false, platform_.loop, [this] { Timer1_Timer(); }};
  // Ends a hover wait.
  Timer Timer2{"Timer2", kTimer2Id, 1, true, platform_.loop, [this] { Timer2_Timer(); }};
  // Ends a raise delay.
  Timer Timer3{"Timer3", kTimer3Id,      kDefaultRaiseDelayMs,
               false,    platform_.loop, [this] { Timer3_Timer(); }};
  // Mouse wrap engine.
  Timer Timer5{"Timer5", kTimer5Id, 100, false, platform_.loop, [this] { Timer5_Timer(); }};
  // Idle parking.
  Timer Timer8{"Timer8", kTimer8Id, 100, false, platform_.loop, [this] { Timer8_Timer(); }};
  // Asleep, where the system reports no cursor moves: a lazy look for a program's move.
  Timer RestLook{"RestLook", kRestLookId,    SleepAtRest::kRestLookMs,
                 false,      platform_.loop, [this] { rest.RestLookTick(); }};
  // Where the system reports no foreground changes: looks at it for a second after keys.
  Timer PointerLook{"PointerLook", kPointerLookId, PointerFollow::kLookMs,
                    false,         platform_.loop, [this] { pointer.LookTick(); }};

  // --- The features, which own the program's state ---
  OwnCursor cursor{platform_.windows};
  FocusFollow focus{platform_.windows, platform_.text, platform_.loop, cursor,
                    settings_,         Timer1,         Timer2,         Timer3};
  // The monitors as the wrap and the parking see them.
  DesktopLayout desktopLayout{platform_.screen};
  MouseWrap wrap{platform_.windows, desktopLayout, platform_.rawInput, cursor, Timer5, [this] {
                   return FullscreenProgramLeftAlone();
                 }};
  IdleParking parking{platform_.windows, desktopLayout, platform_.rawInput, cursor, Timer8, [this] {
                        return FullscreenProgramLeftAlone();
                      }};
  ForegroundEvents foregroundEvents{platform_.windows};
  SleepAtRest rest{platform_.rawInput,
                   platform_.windows,
                   foregroundEvents,
                   cursor,
                   RestLook,
                   focus,
                   wrap,
                   parking};
  PointerFollow pointer{platform_.windows, platform_.keys, platform_.facts,
                        foregroundEvents,  cursor,         focus,
                        PointerLook};
  // The focus decisions lately, for a bug report, and what holds focus-follow back now.
  FocusLog decisions;

  // --- Start-up and settings ---
  void Form_Load();

  // --- Commands, menu and tray ---
  void Command1_Click();  // enable/disable toggle
  void Command2_Click();  // exit
  void Command3_Click();  // About
  void Command4_Click();  // minimise to tray
  void Command5_Click();  // help page
  void Check1_Click();    // run minimised
  void EnableDisable_Click() { Command1_Click(); }
  void Minimize_Click() { Command4_Click(); }
  void Exit_Click() { Command2_Click(); }
  void About_Click() { Command3_Click(); }
  void Help_Click() { Command5_Click(); }
  void Options_Click();  // opens the Options window
  // An item of the main window's menu, chosen with the mouse or the keys.
  void MenuItemChosen(const MenuItem& item);
  // Windows' own hover activation is on: two programs would decide the foreground.
  bool SystemHoverActivationOn() const { return platform_.facts.HoverActivation().on; }
  // The user asked, in the Options window, to switch Windows' own off.
  void SwitchOffSystemHover_Click();
  // Puts a plain-text report for a bug report on the clipboard.
  void CopyDiagnostics_Click();
  void AddIconTray();
  void RemoveIconTray();
  // The user pressed the tray icon or asked for its menu.
  void TrayNotification(TrayEvent event);
  // The user started the program again while it runs: the running one shows itself.
  void SecondStartRequested();
  // The shell's taskbar came back (Explorer restarted): show the tray icon again.
  void TaskbarCreated();
  void Form_Unload();

  // --- Options ---
  // What the user chose in the Options window, in force now.
  const Options& CurrentOptions() const { return settings_; }
  // Checks what the Options window proposes; when it holds, stores every value and puts
  // it in force, else tells the user why (captioned "Tarnwick"), changes nothing and names
  // the setting to put right in `refused`.
  bool ApplyOptions(const std::vector<ProposedText>& texts, const Setting** refused = nullptr);
  bool ApplyOptions(const Options& proposed);
  // Puts the Options window's part of the settings in force.
  void OptionsChanged();
  void Check4_Click();  // launch at log-on, as the user ticks it
  // Shows the stored choice at start-up and renews the log-on entry it stands for.
  void RestoreLaunchAtLogon();

  // --- Focus follower ---
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Text1_LostFocus();
  void WinHook1_KeyEvent(int KeyCode, int Shift);

  // --- Cursor control ---
  void Timer5_Timer();
  void MouseWrapOptions();
  void Command20_Click();
  void Check7_Click();
  void Check8_Click();
  void Check10_Click();
  void Check11_Click();
  void Check12_Click();
  void Check2_Click();
  void Timer8_Timer();
  void Text2_Change();  // the idle delay
  void Check5_Click();
  // The screen's size or resolution, the scaling or a system setting changed while running.
  void Form_DisplayChange();

  bool Ended() const { return ended_; }

 private:
  void EndProgram();
  void ShowMainWindow();
  void ShowChordsInHelp();
  void ShowTrayMenu();
  // The tray icon's tip: the product, then what holds focus-follow back.
  std::string TrayTip() const;
  // Gives the icon the tip for the hold now, when that differs from the one it shows.
  void ShowHoldInTray();
  void FocusDecided(WindowHandle target, FocusOutcome outcome);
  bool FullscreenProgramLeftAlone();
  void SetWrapEdge(WrapEdge edge, const CheckBox& box, int Settings::*field,
                   const Setting& setting);
  // A box's value goes into the record, and the store writes it.
  void KeepCheck(const CheckBox& box, int Settings::*field, const Setting& setting);

  bool hideRequested_ = false;
  bool trayIconWanted_ = false;  // an icon was added and not removed since
  std::string shownTip_;         // what the icon's tip says, as the shell last accepted it
  bool ended_ = false;
};

}  // namespace tarnwick
