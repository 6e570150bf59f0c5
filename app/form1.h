#pragma once
#include <array>
#include <optional>
#include <string>

#include "app/captions.h"
#include "app/controls.h"
#include "app/product.h"
#include "app/settings_layout.h"
#include "cursor/cursor_access.h"
#include "focus/hover_delay.h"
#include "platform/platform.h"
#include "platform/point.h"
#include "platform/tray_events.h"
#include "platform/window_handle.h"

namespace tarnwick {

// Timer ids on the event loop.
enum TimerId : int { kTimer1Id = 1, kTimer2Id = 2, kTimer5Id = 5, kTimer8Id = 8 };

// The main window. Its controls are the program's live configuration and run state:
// handlers read what they need from the control that shows it and change it there.
// Handlers are defined beside the concern they serve (app/, focus/, cursor/).
class Form1 {
 public:
  explicit Form1(Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Creates the window's state: runs Form_Load, then shows the window unless start-up
  // hid it in the notification area.
  void Start();

  // --- Window state ---
  std::string caption = kWindowCaption;
  std::string tag;                     // the pinned window's handle as decimal text, or ""
  IconId icon = IconId::kApplication;  // the window's current picture, also the tray's

  // --- Frame "Focus Menu" ---
  Frame Frame1{"Frame1", "Focus Menu"};
  CommandButton Command1{"Command1",
                         kEnabledCaption};          // enable/disable toggle; caption is the state
  CommandButton Command3{"Command3", "&About"};     // About message
  CommandButton Command5{"Command5", "&Help"};      // opens the help page
  CommandButton Command4{"Command4", "&Minimize"};  // hides the window to the tray
  CommandButton Command2{"Command2", "E&xit"};      // ends the program
  CheckBox Check1{"Check1", "&Run Minimized on Start Up"};  // start hidden in the tray
  Label Label3{"Label3", "On Mouse Over Delay 1000 = 1 Second"};
  TextBox Text1{"Text1", kDefaultHoverDelayText};  // hover delay in milliseconds

  // --- Frame "Mouse Wrap Menu" ---
  Frame Frame15{"Frame15", "Mouse Wrap Menu"};
  Label Label49{"Label49", "Calibration:"};
  TextBox Text35{"Text35", "100"};                        // calibration, shown only
  CheckBox Check7{"Check7", "Auo Run on Launch"};         // mouse wrap on at start
  CommandButton Command20{"Command20", kWrapOffCaption};  // wrap toggle; caption is the state
  CheckBox Check10{"Check10", "Right"};                   // wrap at the right edge
  CheckBox Check8{"Check8", "Left"};                      // wrap at the left edge
  CheckBox Check11{"Check11", "Top"};                     // wrap at the top edge
  CheckBox Check12{"Check12", "Bottom"};                  // wrap at the bottom edge

  // --- Frame "Auto Lanuch" ---
  Frame Frame4{"Frame4", "Auto Lanuch"};
  CheckBox Check4{"Check4", "Auto Lanuch when windows Starts?"};  // launch at log-on

  // --- Frame "Auto Hide " ---
  Frame Frame2{"Frame2", "Auto Hide "};
  CheckBox Check2{"Check2", "Auto Hide Mouse When Idel"};  // idle parking; switches Timer8
  Label Label4{"Label4", "Idle Delay"};
  TextBox Text2{"Text2", "5"};                       // idle delay in seconds
  CheckBox Check5{"Check5", "Taskbar Auto Hiden?"};  // park 200 pixels above the bottom

  // --- Help texts, stacked at the top ---
  std::array<Label, 5> Label1{
      Label{"Label1(0)",
            "Tarnwick automatically sets the focus of an application as your mouse passes over "
            "it. "},
      Label{"Label1(1)",
            "*To disable Tarnwick, just hit Ctrl-Shift-F and hit Ctrl-Shift-F again to enable "
            "it. "},
      Label{"Label1(2)",
            "*To make application to Stay on Top then just hit Ctrl-Shift-T while your mouse is "
            "over the application. "},
      Label{"Label1(3)",
            "*To stop it from Staying on Top just Ctrl-Shift-R again while your mouse is over the "
            "application."},
      Label{"Label1(4)",
            "*To Force a Window to Stay Active hit Ctrl-Shift-A while your mouse is over the "
            "Application. Hit Ctrl-Shift-Q"},
  };

  // --- Hidden pictures ---
  Image Image1{"Image1", IconId::kApplication};  // enabled look
  Image Image2{"Image2", IconId::kDisabled};     // disabled look

  // --- Menus ---
  MenuItem File{"File", "&File"};
  MenuItem EnableDisable{"EnableDisable", "Enable/Disable"};
  MenuItem Minimize{"Minimize", "&Minimize"};
  MenuItem Exit{"Exit", "E&xit"};
  MenuItem Help1{"Help1", "&Help"};
  MenuItem About{"About", "&About"};
  MenuItem Help{"Help", "&Help"};

  // --- Timers ---
  Timer Timer1{"Timer1", kTimer1Id, 250, false};  // focus-follow poll
  Timer Timer2{"Timer2", kTimer2Id, 1, true};     // ends a hover wait
  Timer Timer5{"Timer5", kTimer5Id, 100, false};  // mouse wrap engine
  Timer Timer8{"Timer8", kTimer8Id, 100, false};  // idle parking; tag holds the saved position

  // --- State kept between ticks ---
  WindowHandle LastWindow = kNoWindow;        // the window the poll handled last, or the pin
  WindowHandle LastPointWindow = kNoWindow;   // deepest window under the cursor at the last change
  std::optional<WindowHandle> PendingWindow;  // the window a running hover wait will activate
  std::optional<Point> LastMovedCursor;       // the cursor where the poll last saw the user move it
  bool ActivationHeld = false;   // a finished wait found the user busy; start afresh when free
  std::string LastPosition;      // wrap engine's previous position text
  int IdleTicks = 0;             // idle ticks since the cursor last moved
  std::string LastIdlePosition;  // idle parking's previous position text
  std::string ScreenBounds;      // park point as position text
  int MaxX = 0;                  // rightmost cursor column
  int MaxY = 0;                  // bottom cursor row

  // --- Start-up and settings ---
  void Form_Load();
  std::string GetSetting(const Setting& setting);
  void SaveSetting(const Setting& setting, const std::string& value);
  // A check box's stored state: 0, 1 or 2, the box's default for anything else.
  int GetCheckSetting(const Setting& setting);
  // Stores what a box shows: "1" when ticked, "0" otherwise.
  void SaveCheckSetting(const Setting& setting, const CheckBox& box);

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
  void AddIconTray();
  void RemoveIconTray();
  // The user pressed the tray icon or asked for its menu.
  void TrayNotification(TrayEvent event);
  // The user started the program again while it runs: the running one shows itself.
  void SecondStartRequested();
  // The shell's taskbar came back (Explorer restarted): show the tray icon again.
  void TaskbarCreated();
  void Form_Unload();
  void Check4_Click();  // launch at log-on

  // --- Focus follower ---
  void Timer1_Timer();
  void Timer2_Timer();
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
  void Check5_Click();
  // The screen's size or resolution changed while running.
  void Form_DisplayChange();

  // --- The program's own cursor moves ---
  // Moves the cursor for the program's own reasons (parking it, putting it back). Until the
  // user moves it, the poll and the wrap take the position for ours, not for the user's.
  void PutCursor(Point position);
  // The cursor stands where the program itself put it, or idle parking holds it (parked, or
  // nudged off and about to be put back): no resting place of the user's, no push at an edge.
  bool CursorIsOurs(Point cursor);
  std::optional<Point> OwnCursorPosition;  // where the program last put the cursor, until it moves
  bool CursorParked = false;  // idle parking moved the cursor away and will put it back

  // Every control with a view, for the view to attach itself and render.
  void AttachObserver(ControlObserver* observer);
  bool Ended() const { return ended_; }
  // A poll cycle waits for Timer2.
  bool HoverWaitPending() const { return PendingWindow.has_value(); }

 private:
  void WireHandlers();
  void EndProgram();
  void ShowMainWindow();
  void EnforcePin();
  bool CursorMovedFrom(Point cursor) const;
  bool UserBusy();

  Platform& platform_;
  Module2 module2_{platform_.windows};  // the cursor procedures of the cursor features
  bool hideRequested_ = false;
  bool trayIconWanted_ = false;  // an icon was added and not removed since
  bool ended_ = false;
};

}  // namespace tarnwick
