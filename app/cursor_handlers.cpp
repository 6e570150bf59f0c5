#include "app/form1.h"
#include "common/invariant.h"
#include "common/number_text.h"

namespace tarnwick {

void Form1::MouseWrapOptions() {
  Check8.SetValue(store.GetCheckSetting(kLeftWrapSetting));
  Check10.SetValue(store.GetCheckSetting(kRightWrapSetting));
  Check11.SetValue(store.GetCheckSetting(kTopWrapSetting));
  Check12.SetValue(store.GetCheckSetting(kBottomWrapSetting));
  Check7.SetValue(store.GetCheckSetting(kMouseWrapAtStartSetting));
  if (Check7.IsChecked()) Command20_Click();
  Text35.SetText(store.GetSetting(kCalibrationSetting));
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
  store.SaveCheckSetting(kMouseWrapAtStartSetting, Check7.IsChecked());
}

void Form1::SetWrapEdge(WrapEdge edge, const CheckBox& box, const Setting& setting) {
  wrap.SetEdgeWraps(edge, box.IsChecked());
  store.SaveCheckSetting(setting, box.IsChecked());
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
  store.SaveCheckSetting(kIdleParkingSetting, Check2.IsChecked());
}

void Form1::Timer8_Timer() {
  parking.Tick();
}

void Form1::Text2_Change() {
  // Never stored: the box starts at 5 seconds each time.
  parking.SetIdleDelaySeconds(ParseNumber(Text2.Text()));
}

void Form1::Check5_Click() {
  store.SaveCheckSetting(kTaskbarAllowanceSetting, Check5.IsChecked());
  parking.SetTaskbarAllowance(Check5.IsChecked());
}

void Form1::Form_DisplayChange() {
  // A new resolution or a docked screen moves the corners and the edges.
  desktopLayout.SystemChanged();
  parking.MeasureScreen();
}

}  // namespace tarnwick
