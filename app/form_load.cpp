#include <string>

#include "app/form1.h"
#include "common/number_text.h"
#include "focus/hover_delay.h"

namespace tarnwick {

void Form1::Form_Load() {
  // The Options window's choices come first: the hotkeys and the poll work by them.
  LoadOptions();

  Check1.SetValue(store.GetCheckSetting(kRunMinimizedSetting));
  if (Check1.Value() == kChecked) Command4_Click();

  if (ParseNumber(store.GetSetting(kDisabledSetting)) == 1.0) Command1_Click();

  // The stored delay is put in force as well as shown; one that the delay box would refuse
  // gives way to the default, and the stored text is left for the user to correct.
  const HoverDelay delay = CheckHoverDelay(store.GetSetting(kHoverDelaySetting));
  const int delayMs =
      delay.verdict == HoverDelayVerdict::kAccepted ? delay.intervalMs : kDefaultHoverDelayMs;
  Text1.SetText(std::to_string(delayMs));
  focus.SetHoverDelayMs(delayMs);

  MouseWrapOptions();

  focus.Start();

  Check2.SetValue(store.GetCheckSetting(kIdleParkingSetting));
  RestoreLaunchAtLogon();

  parking.MeasureScreen();
  Check5.SetValue(store.GetCheckSetting(kTaskbarAllowanceSetting));
}

}  // namespace tarnwick
