#include <functional>
#include <string>
#include <utility>

#include "app/form1.h"
#include "app/startup_entry.h"

namespace tarnwick {

namespace {

// Shows a value without running the box's handler. The running handler may call this: it
// is moved out and back, never destroyed, and touches nothing of its own after the call.
void SetQuietly(CheckBox& box, int value) {
  std::function<void()> handler = std::exchange(box.onClick, nullptr);
  box.SetValue(value);
  box.onClick = std::move(handler);
}

}  // namespace

void Form1::RestoreLaunchAtLogon() {
  // A value edited by hand into something unreadable tells nothing of what happens at
  // log-on; the StartUp folder does, and the box shows that. An entry there is a tick, stored
  // again and renewed below as any tick is (one Task Manager switched off unticks the box).
  if (store.Spoilt(kLaunchAtLogonSetting) && StartupEntryPresent(platform_.files)) {
    settings_.launchAtLogon = kChecked;
    store.Save(settings_, kLaunchAtLogonSetting);
  }
  if (settings_.launchAtLogon != kChecked) {
    Check4.SetValue(settings_.launchAtLogon);
    return;
  }
  // The stored tick is shown without the user's path: start-up renews the entry, and what
  // the user switched off in Task Manager stays off.
  SetQuietly(Check4, kChecked);
  std::string why;
  switch (RenewStartupEntry(platform_.files, why)) {
    case StartupRenewal::kRenewed:
      return;
    case StartupRenewal::kAnotherCopys:
      // The box tells whether this copy starts at log-on, and it does not; the stored tick
      // is the other copy's too and stays. A tick here takes the entry over, as asked.
      SetQuietly(Check4, kUnchecked);
      platform_.shell.Trace("Tarnwick's log-on entry starts another copy, which keeps it: " + why);
      return;
    case StartupRenewal::kSwitchedOffByUser:
      // Switched off in Task Manager since the tick: the box and the store say so now, and
      // the entry and its mark stay for Task Manager to show.
      SetQuietly(Check4, kUnchecked);
      KeepCheck(Check4, &Settings::launchAtLogon, kLaunchAtLogonSetting);
      return;
    case StartupRenewal::kFailed:
      // At log-on a redirected StartUp folder may not be there yet, and the entry that
      // started this run most likely still is. The choice stands and the next start tries
      // again; a message box now would come before the window, for nothing to do.
      platform_.shell.Trace(
          "Tarnwick did not renew its log-on entry and tries again at the next start: " + why);
      return;
  }
}

void Form1::Check4_Click() {
  if (!Check4.IsChecked()) {
    // Both copies read the one stored tick: while the other copy's entry stays, its tick
    // stays too, or that copy's box would deny what happens at log-on.
    if (SwitchStartupEntryOff(platform_.files)) {
      KeepCheck(Check4, &Settings::launchAtLogon, kLaunchAtLogonSetting);
    }
    return;
  }
  const std::string failure = SwitchStartupEntryOn(platform_.files);
  if (failure.empty()) {
    KeepCheck(Check4, &Settings::launchAtLogon, kLaunchAtLogonSetting);
    return;
  }
  // The box must not claim what is not so. Unticking runs this handler again, which clears
  // up and stores "0"; the message comes after, so the window already shows the truth.
  Check4.SetValue(kUnchecked);
  platform_.shell.ShowMessage(kApplicationName,
                              "Tarnwick could not be set to start at log-on: " + failure,
                              MessageKind::kError);
}

}  // namespace tarnwick
