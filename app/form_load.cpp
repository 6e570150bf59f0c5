#include <string>

#include "app/form1.h"
#include "focus/hover_delay.h"

namespace tarnwick {

void Form1::Form_Load() {
  // The Options window's choices come first: the hotkeys and the poll work by them.
  settings_ = store.Load();
  OptionsChanged();

  Check1.SetValue(settings_.runMinimized);
  if (Check1.Value() == kChecked) Command4_Click();

  if (settings_.disabled) Command1_Click();

  // The stored delay is put in force as well as shown; one that the delay box would refuse
  // was read as the default, and the stored text is left for the user to correct.
  const int delayMs = CheckHoverDelay(settings_.hoverDelay).intervalMs;
  Text1.SetText(std::to_string(delayMs));
  focus.SetHoverDelayMs(delayMs);

  MouseWrapOptions();

  focus.Start();

  Check2.SetValue(settings_.idleParking);
  RestoreLaunchAtLogon();

  parking.MeasureScreen();
  Check5.SetValue(settings_.taskbarAllowance);
}

}  // namespace tarnwick
