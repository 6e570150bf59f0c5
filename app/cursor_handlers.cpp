#include "app/form1.h"
#include "common/invariant.h"
#include "common/number_text.h"

namespace tarnwick {

void Form1::MouseWrapOptions() {
  Check8.SetValue(GetCheckSetting(kLeftWrapSetting));
  Check10.SetValue(GetCheckSetting(kRightWrapSetting));
  Check11.SetValue(GetCheckSetting(kTopWrapSetting));
  Check12.SetValue(GetCheckSetting(kBottomWrapSetting));
  Check7.SetValue(GetCheckSetting(kMouseWrapAtStartSetting));
  if (Check7.IsChecked()) Command20_Click();
  Text35.SetText(GetSetting(kCalibrationSetting));
}

void Form1::Timer5_Timer() {
  TARNWICK_CHECK(!rest.Asleep(), "asleep, the wrap stands still");
  wrap.Tick();
}

void Form1::Command20_Click() {
  wrap.SetOn(!wrap.On());
  Command20.SetCaption(wrap.On() ? kWrapOnCaption : kWrapOffCaption);
}

void Form1::Check7_Click() {
  SaveCheckSetting(kMouseWrapAtStartSetting, Check7);
}

void Form1::SetWrapEdge(WrapEdge edge, const CheckBox& box, const Setting& setting) {
  wrap.SetEdgeWraps(edge, box.IsChecked());
  SaveCheckSetting(setting, box);
}

void Form1::Check8_Click() {
  SetWrapEdge(WrapEdge::kLeft, Check8, kLeftWrapSetting);
}
void Form1::Check10_Click() {
  SetWrapEdge(WrapEdge::kRight, Check10, kRightWrapSetting);
}
void Form1::Check11_Click() {
  SetWrapEdge(WrapEdge::kTop, Check11, kTopWrapSetting);
}
void Form1::Check12_Click() {
  SetWrapEdge(WrapEdge::kBottom, Check12, kBottomWrapSetting);
}

void Form1::Check2_Click() {
  parking.SetOn(Check2.IsChecked());
  SaveCheckSetting(kIdleParkingSetting, Check2);
}

void Form1::Timer8_Timer() {
  parking.Tick();
}

void Form1::Text2_Change() {
  // Never stored: the box starts at 5 seconds each time.
  parking.SetIdleDelaySeconds(ParseNumber(Text2.Text()));
}

void Form1::Check5_Click() {
  SaveCheckSetting(kTaskbarAllowanceSetting, Check5);
  parking.SetTaskbarAllowance(Check5.IsChecked());
}

void Form1::Form_DisplayChange() {
  // A new resolution or a docked screen moves the corners and the edges.
  parking.MeasureScreen();
}

}  // namespace tarnwick
