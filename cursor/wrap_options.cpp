#include "app/form1.h"
#include "app/number_text.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

void Form1::MouseWrapOptions() {
  Check8.SetValue(StoredCheckValue(GetSetting("startup", "leftwrap", "1"), kChecked));
  Check10.SetValue(StoredCheckValue(GetSetting("startup", "rightwrap", "1"), kChecked));
  Check11.SetValue(StoredCheckValue(GetSetting("startup", "topwrap", "1"), kChecked));
  Check12.SetValue(StoredCheckValue(GetSetting("startup", "bottomwrap", "1"), kChecked));
  Check7.SetValue(StoredCheckValue(GetSetting("startup", "mousewrap", "0"), kUnchecked));
  if (Check7.IsChecked()) Command20_Click();
  Text35.SetText(GetSetting("startup", "calibration", "100"));
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
  SaveSetting("startup", "mousewrap", Check7.IsChecked() ? "1" : "0");
}
void Form1::Check8_Click() {
  SaveSetting("startup", "leftwrap", Check8.IsChecked() ? "1" : "0");
}
void Form1::Check10_Click() {
  SaveSetting("startup", "rightwrap", Check10.IsChecked() ? "1" : "0");
}
void Form1::Check11_Click() {
  SaveSetting("startup", "topwrap", Check11.IsChecked() ? "1" : "0");
}
void Form1::Check12_Click() {
  SaveSetting("startup", "bottomwrap", Check12.IsChecked() ? "1" : "0");
}

}  // namespace tarnwick
