// What holds focus-follow back, on the tray icon's tip, and the report "Copy diagnostics"
// puts on the clipboard.
#include <string>

#include "app/product.h"
#include "focus/focus_log.h"
#include "tests/sim/focus_fixture.h"

namespace tarnwick::sim {
namespace {

using Diagnostics = FocusFixture;

TEST(FocusLog, KeepsTheLatestFiftyOldestFirstAndIgnoresRepeatsAndNonTargetsForTheHold) {
  FocusLog log;
  for (int window = 1; window <= 51; ++window) {
    log.Record({WallTime{}, window, FocusOutcome::kActivated});
  }
  log.Record({WallTime{}, 51, FocusOutcome::kActivated});  // a repeat adds nothing
  const auto decisions = log.OldestFirst();
  ASSERT_EQ(decisions.size(), 50U);
  EXPECT_EQ(decisions.front().target, 2) << "the 51st pushed out the first";
  EXPECT_EQ(decisions.back().target, 51);

  log.Record({WallTime{}, 7, FocusOutcome::kFullscreen});
  log.Record({WallTime{}, 8, FocusOutcome::kShellWindow});  // the way to the tray icon
  EXPECT_EQ(log.Hold(), FocusOutcome::kFullscreen);
  EXPECT_EQ(log.OldestFirst().back().outcome, FocusOutcome::kShellWindow);
}

TEST_F(Diagnostics, TheTrayTipSaysWhatHoldsFocusFollowBackAndChangesOnlyWithIt) {
  const std::string product = std::string(kProductTitle) + "\n";
  // Every tip fits the shell's 128 characters, whichever key pauses.
  for (PauseKey key : {PauseKey::kCtrl, PauseKey::kShift}) {
    for (int hold = 0; hold <= static_cast<int>(FocusOutcome::kWindowGone); ++hold) {
      EXPECT_LT((product + HoldText(static_cast<FocusOutcome>(hold), key)).size(), 128U);
    }
  }
  Start();
  Options options;
  options.pauseKey = PauseKey::kCtrl;
  ASSERT_TRUE(form->ApplyOptions(options));
  form->Command4_Click();  // to the tray
  EXPECT_EQ(sim.shell.trayTip, product + "Following the mouse");
  const size_t operations = sim.shell.trayOperations.size();
  MoveAt(100, kOverEditorText);
  desktop.RunUntil(600);
  EXPECT_EQ(sim.shell.trayOperations.size(), operations) << "the same reason: the tip stays";

  desktop.modifiersDown = {ModifierKey::kCtrl};
  MoveAt(700, kOverDialog);
  desktop.RunUntil(1200);
  EXPECT_EQ(sim.shell.trayTip, product + "Paused while Ctrl is held");
  desktop.modifiersDown.clear();
  desktop.RunUntil(2000);
  EXPECT_EQ(sim.shell.trayTip, product + "Following the mouse");
  EXPECT_EQ(sim.shell.trayOperations.size(), operations + 2);

  desktop.fullscreenInFront = true;
  MoveAt(2100, kOverEditorText);
  desktop.RunUntil(2600);
  EXPECT_EQ(sim.shell.trayTip, product + "A fullscreen program is in front");
  desktop.fullscreenInFront = false;
  desktop.RunUntil(3500);

  // The system refuses the activation while a program run as administrator is in front.
  sim.facts.elevatedWindows = {desktop.Foreground()};
  desktop.refuseActivation = true;
  MoveAt(3600, kOverDialog);
  desktop.RunUntil(4100);
  EXPECT_EQ(sim.shell.trayTip, product + "Cannot reach a program run as administrator");
  sim.facts.elevatedWindows.clear();
  MoveAt(4200, kOverEditorText);
  desktop.RunUntil(4700);
  EXPECT_EQ(sim.shell.trayTip, product + "Windows refused the last switch");

  KeyAt(4800, kKeyA);  // pins the last window
  desktop.RunUntil(4900);
  EXPECT_EQ(sim.shell.trayTip, product + "Keeping the pinned window in front");
  form->Command1_Click();
  EXPECT_EQ(sim.shell.trayTip, product + "Switched off");
}

TEST_F(Diagnostics, WindowsOwnHoverActivationIsToldAndSwitchedOffOnlyAtTheUsersRequest) {
  sim.facts.hoverActivation = {true, true};  // as Windows answers with it on
  Start();
  form->Command4_Click();  // to the tray
  const std::string product = std::string(kProductTitle) + "\n";
  EXPECT_EQ(sim.shell.trayTip, product + "Windows itself activates the window under the mouse");
  form->CopyDiagnostics_Click();
  EXPECT_NE(sim.facts.clipboard->find("activation: on, and it brings the window to the front"),
            std::string::npos);
  EXPECT_EQ(sim.facts.hoverActivationSwitchOffs, 0) << "never without the user";
  form->SwitchOffSystemHover_Click();
  EXPECT_EQ(sim.facts.hoverActivationSwitchOffs, 1);
  EXPECT_EQ(sim.shell.trayTip, product + "Following the mouse");
  sim.facts.hoverActivation = {true, false};  // switched on again in Windows' settings
  form->Form_DisplayChange();                 // as the settings-change notice arrives
  EXPECT_EQ(sim.shell.trayTip, product + "Windows itself activates the window under the mouse");
}

TEST_F(Diagnostics, CopyDiagnosticsNamesProgramsAndClassesNeverTitles) {
  desktop.Window(editor).programFileName = "notes.exe";
  desktop.Window(editor).className = "NotesFrame";
  desktop.Window(dialog).programFileName = "setup.exe";
  desktop.Window(dialog).className = "#32770";
  sim.facts.hook = HookFacts{true, 2, "the display came back on (2)"};
  Start();
  Options options;
  options.exclusions = {"setup.exe", "title:Secret plans"};
  options.raiseMode = RaiseMode::kAfterDelay;
  ASSERT_TRUE(form->ApplyOptions(options));
  MoveAt(100, kOverEditorText);
  MoveAt(700, kOverDialog);
  desktop.RunUntil(1300);
  const WindowHandle gone = desktop.AddWindow("Soon closed", {600, 300, 800, 560});
  MoveAt(1400, Point{700, 400});
  desktop.RunUntil(2000);
  desktop.DestroyWindow(gone);

  form->TrayNotification(TrayEvent::kMenuRequested);
  sim.shell.ChooseTrayMenuEntry("&Copy diagnostics");
  ASSERT_TRUE(sim.facts.clipboard.has_value());
  const std::string& report = *sim.facts.clipboard;
  for (const char* expected :
       {"Windows: 10.0.22631.3007\r\n", "Monitor 1: 0,0 to 800,600, 96 DPI, primary\r\n",
        "Runs elevated: no\r\n", "hover delay 250 ms", "Exclusions: setup.exe; 1 title rule",
        // The options in the Options window's words.
        "Leave fullscreen programs alone yes",
        "Bring the window to the front after it has had the keyboard for 1000 ms",
        "Keyboard hook: installed; re-installed 2 time(s): the display came back on (2)\r\n",
        "Notification state: accepts notifications\r\n", "Windows' own hover activation: off\r\n",
        "09:00:00.500  notes.exe  NotesFrame  activated\r\n",
        "09:00:00.750  setup.exe  #32770  excluded\r\n",
        "  (window closed since)  activated\r\n"}) {
    EXPECT_NE(report.find(expected), std::string::npos) << expected << " in\n" << report;
  }
  for (const char* title : {"Notes - Editor", "Settings", "Soon closed", "Secret plans"}) {
    EXPECT_EQ(report.find(title), std::string::npos) << title << " in\n" << report;
  }

  sim.facts.refuseClipboard = true;
  form->TrayNotification(TrayEvent::kMenuRequested);
  sim.shell.ChooseTrayMenuEntry("&Copy diagnostics");
  ASSERT_EQ(sim.shell.messages.size(), 1U);
  EXPECT_EQ(sim.shell.messages[0].kind, MessageKind::kError);
}

}  // namespace
}  // namespace tarnwick::sim
