#include <string>

#include "app/form1.h"
#include "common/invariant.h"
#include "hotkeys/commands.h"

namespace tarnwick {

void Form1::Timer1_Timer() {
  TARNWICK_CHECK(!rest.Asleep(), "asleep, the poll stands still");
  focus.PollTick();
  rest.SleepIfAtRest();
}

void Form1::Timer2_Timer() {
  focus.HoverTick();
}

void Form1::Timer3_Timer() {
  focus.RaiseTick();
}

void Form1::Text1_LostFocus() {
  const HoverDelay delay = CheckHoverDelay(Text1.Text());
  switch (delay.verdict) {
    case HoverDelayVerdict::kNotNumeric:
      platform_.shell.ShowMessage(kApplicationName,
                                  "The vaule must be numberic between 1 and 59999",
                                  MessageKind::kWarning);
      break;
    case HoverDelayVerdict::kOutOfRange:
      platform_.shell.ShowMessage(kApplicationName, "The value must be numeric between 1 and 59999",
                                  MessageKind::kWarning);
      break;
    case HoverDelayVerdict::kAccepted:
      focus.SetHoverDelayMs(delay.intervalMs);
      // Stored as typed, not normalised: start-up rounds it again when it reads it back.
      settings_.hoverDelay = Text1.Text();
      store.Save(settings_, kHoverDelaySetting);
      return;
  }
  // A refused entry puts the default in the box, and the box shows what is in force: the
  // default is used and stored too. The user goes on where the mistake is.
  Text1.SetText(kDefaultHoverDelayText);
  focus.SetHoverDelayMs(kDefaultHoverDelayMs);
  settings_.hoverDelay = kDefaultHoverDelayText;
  store.Save(settings_, kHoverDelaySetting);
  Text1.SetFocus();
}

void Form1::WinHook1_KeyEvent(int KeyCode, int Shift) {
  // A key that is no chord in force changes nothing and wakes nothing; a command that
  // changes a feature wakes it through that feature. Each command acts on the last window and the
  // pin as they stand now, which during a hover wait is still the previous cycle's window.
  for (HotkeyCommand command : CommandsFor(settings_.hotkeys, Chord{KeyCode, Shift})) {
    switch (command) {
      case HotkeyCommand::kToggle:
        Command1_Click();
        break;
      case HotkeyCommand::kKeepOnTop:
        platform_.windows.KeepOnTop(focus.LastWindow());
        break;
      case HotkeyCommand::kSendToBottom:
        focus.CancelRaise();
        platform_.windows.SendToBottom(focus.LastWindow());
        break;
      case HotkeyCommand::kPin:
        focus.PinWindow(focus.LastWindow());
        break;
      case HotkeyCommand::kUnpin:
        focus.Unpin();
        break;
    }
  }
  ShowHoldInTray();  // a pin made or dropped
}

bool Form1::FullscreenProgramLeftAlone() {
  return settings_.leaveFullscreenAlone && platform_.windows.FullscreenProgramInFront();
}

}  // namespace tarnwick
