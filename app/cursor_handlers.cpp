#include "app/form1.h"
#include "common/invariant.h"
#include "common/number_text.h"

namespace tarnwick {

void Form1::MouseWrapOptions() {
  Check8.SetValue(settings_.leftWrap);
  Check10.SetValue(settings_.rightWrap);
  Check11.SetValue(settings_.topWrap);
  Check12.SetValue(settings_.bottomWrap);
  Check7.SetValue(settings_.mouseWrapAtStart);
  if (Check7.IsChecked()) Command20_Click();
  Text35.SetText(settings_.calibration);
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
  KeepCheck(Check7, &Settings::mouseWrapAtStart, kMouseWrapAtStartSetting);
}

void Form1::SetWrapEdge(WrapEdge edge, const CheckBox& box, int Settings::*field,
                        const Setting& setting) {
  wrap.SetEdgeWraps(edge, box.IsChecked());
  KeepCheck(box, field, setting);
}

void Form1::Check8_Click() {
  SetWrapEdge(WrapEdge::kLeft, Check8, &Settings::leftWrap, kLeftWrapSetting);
}
void Form1::Check10_Click() {
  SetWrapEdge(WrapEdge::kRight, Check10, &Settings::rightWrap, kRightWrapSetting);
}
void Form1::Check11_Click() {
  SetWrapEdge(WrapEdge::kTop, Check11, &Settings::topWrap, kTopWrapSetting);
}
void Form1::Check12_Click() {
  SetWrapEdge(WrapEdge::kBottom, Check12, &Settings::bottomWrap, kBottomWrapSetting);
}

void Form1::Check2_Click() {
  parking.SetOn(Check2.IsChecked());
  KeepCheck(Check2, &Settings::idleParking, kIdleParkingSetting);
}

void Form1::Timer8_Timer() {
  parking.Tick();
}

void Form1::Text2_Change() {
  // Never stored: the box starts at 5 seconds each time.
  parking.SetIdleDelaySeconds(ParseNumber(Text2.Text()));
}

void Form1::Check5_Click() {
  KeepCheck(Check5, &Settings::taskbarAllowance, kTaskbarAllowanceSetting);
  parking.SetTaskbarAllowance(Check5.IsChecked());
}

void Form1::Form_DisplayChange() {
  // A new resolution or a docked screen moves the corners and the edges.
  desktopLayout.SystemChanged();
  parking.MeasureScreen();
  // Or a system setting changed: Windows' own hover activation, which the tip names.
  ShowHoldInTray();
}

}  // namespace tarnwick
