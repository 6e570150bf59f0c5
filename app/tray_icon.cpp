#include "app/diagnostics.h"
#include "app/form1.h"

namespace tarnwick {

namespace {
// The tip's second line while Windows' own hover activation is on.
constexpr const char* kSystemHoverText = "Windows itself activates the window under the mouse";
}  // namespace

void Form1::AddIconTray() {
  // An icon that is there takes the current picture in its place: deleted and added again
  // it would move within the notification area, or drop into the overflow.
  const std::string tip = TrayTip();
  if ((trayIconWanted_ && platform_.shell.ChangeTrayIcon(icon, tip)) ||
      platform_.shell.AddTrayIcon(icon, tip)) {
    shownTip_ = tip;
  }
  // Remembered even when the shell refuses: at log-on the taskbar may not exist yet, and
  // when it comes up (TaskbarCreated) the icon must appear, or a hidden window is lost.
  trayIconWanted_ = true;
}

void Form1::RemoveIconTray() {
  platform_.shell.DeleteTrayIcon(icon);
  trayIconWanted_ = false;
  shownTip_.clear();
}

std::string Form1::TrayTip() const {
  FocusOutcome hold = decisions.Hold();
  if (focus.Pin()) hold = FocusOutcome::kPinKept;
  if (!focus.Enabled()) hold = FocusOutcome::kSwitchedOff;
  // Two lines: the shell's tip breaks at the line feed. Windows' own hover activation fights
  // over the foreground whatever holds us back, so it comes first.
  return std::string(kProductTitle) + "\n" +
         (SystemHoverActivationOn() ? kSystemHoverText
                                    : HoldText(hold, settings_.pauseKey, settings_.holdKeyMode));
}

void Form1::ShowHoldInTray() {
  // No timer: called where the hold may change, it asks the shell only when it did.
  if (!trayIconWanted_) return;
  const std::string tip = TrayTip();
  if (tip != shownTip_ && platform_.shell.ChangeTrayIcon(icon, tip)) shownTip_ = tip;
}

void Form1::SwitchOffSystemHover_Click() {
  if (!platform_.facts.SwitchOffHoverActivation()) {
    platform_.shell.ShowMessage(kApplicationName,
                                "Windows did not switch off its own hover activation. It can "
                                "be switched off in Windows' mouse settings.",
                                MessageKind::kError);
  }
  ShowHoldInTray();
}

void Form1::FocusDecided(WindowHandle target, FocusOutcome outcome) {
  // The system says only that it refused; whether a program run as administrator stood in
  // the way is asked here, on the rare refusal.
  if (outcome == FocusOutcome::kRefused && platform_.facts.ElevatedInTheWay(target)) {
    outcome = FocusOutcome::kElevated;
  }
  decisions.Record({platform_.facts.LocalTime(), target, outcome});
  ShowHoldInTray();
}

void Form1::CopyDiagnostics_Click() {
  DiagnosticsSnapshot snapshot;
  snapshot.programVersion = kProductTitle;
  snapshot.windowsVersion = platform_.facts.WindowsVersion();
  snapshot.monitors = platform_.screen.Monitors();
  snapshot.elevated = platform_.facts.RunsElevated();
  snapshot.enabled = focus.Enabled();
  snapshot.pinned = focus.Pin().has_value();
  snapshot.hoverDelayMs = focus.HoverDelayMs();
  snapshot.settings = settings_;
  snapshot.hook = platform_.facts.KeyboardHook();
  snapshot.notifications = platform_.facts.Notifications();
  snapshot.systemHover = platform_.facts.HoverActivation();
  // Names are read now, not at each decision: following the mouse asks nothing extra.
  for (const FocusDecision& decision : decisions.OldestFirst()) {
    snapshot.decisions.push_back({decision.time, platform_.windows.ProgramFileName(decision.target),
                                  platform_.windows.ClassName(decision.target), decision.outcome});
  }
  if (platform_.facts.PutOnClipboard(DiagnosticsReport(snapshot))) return;
  platform_.shell.ShowMessage(kApplicationName,
                              "The diagnostics could not be put on the clipboard. Another program "
                              "may be holding it: try again in a moment.",
                              MessageKind::kError);
}

void Form1::TrayNotification(TrayEvent event) {
  switch (event) {
    case TrayEvent::kIconPressed:
      // On a shown window too: hiding it first would only make it flicker.
      ShowMainWindow();
      break;
    case TrayEvent::kMenuRequested:
      ShowTrayMenu();
      break;
  }
}

void Form1::ShowTrayMenu() {
  platform_.shell.ShowTrayMenu({
      {"&Show Tarnwick", false, true, [this] { ShowMainWindow(); }},
      {"&Enabled", focus.Enabled(), false, [this] { Command1_Click(); }},
      {"&Options...", false, false, [this] { Options_Click(); }},
      {"&Copy diagnostics", false, false, [this] { CopyDiagnostics_Click(); }},
      {"", false, false, {}},
      {"E&xit", false, false, [this] { Command2_Click(); }},
  });
}

void Form1::SecondStartRequested() {
  ShowMainWindow();
}

void Form1::ShowMainWindow() {
  // Every path that shows the window means the same: visible, restored and in front.
  platform_.form.Show();
}

void Form1::TaskbarCreated() {
  if (trayIconWanted_) AddIconTray();
}

}  // namespace tarnwick
