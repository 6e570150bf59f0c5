#include "app/form1.h"
#include "common/number_text.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

void Form1::MouseWrapOptions() {
  Check8.SetValue(GetCheckSetting(kLeftWrapSetting));
  Check10.SetValue(GetCheckSetting(kRightWrapSetting));
  Check11.SetValue(GetCheckSetting(kTopWrapSetting));
  Check12.SetValue(GetCheckSetting(kBottomWrapSetting));
  Check7.SetValue(GetCheckSetting(kMouseWrapAtStartSetting));
  if (Check7.IsChecked()) Command20_Click();
  Text35.SetText(GetSetting(kCalibrationSetting));
  const Point limits = WrapLimits(platform_.screen.Metrics());
  MaxX = limits.x;
  MaxY = limits.y;
}

void Form1::Command20_Click() {
  if (Command20.Caption() == kWrapOffCaption) {
    Timer5.SetEnabled(true);
    Command20.SetCaption(kWrapOnCaption);
  } else {
    Command20.SetCaption(kWrapOffCaption);
    Timer5.SetEnabled(false);
  }
}

void Form1::Check7_Click() {
  SaveCheckSetting(kMouseWrapAtStartSetting, Check7);
}
void Form1::Check8_Click() {
  SaveCheckSetting(kLeftWrapSetting, Check8);
}
void Form1::Check10_Click() {
  SaveCheckSetting(kRightWrapSetting, Check10);
}
void Form1::Check11_Click() {
  SaveCheckSetting(kTopWrapSetting, Check11);
}
void Form1::Check12_Click() {
  SaveCheckSetting(kBottomWrapSetting, Check12);
}

}  // namespace tarnwick
