#include "app/form1.h"

#include "common/number_text.h"

namespace tarnwick {

Form1::Form1(Platform& platform) : platform_(platform) {
  WireHandlers();
  for (Timer* timer : {&Timer1, &Timer2, &Timer5, &Timer8}) timer->Attach(platform_.loop);
}

void Form1::WireHandlers() {
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Command4.onClick = [this] { Command4_Click(); };
  Command5.onClick = [this] { Command5_Click(); };
  Command20.onClick = [this] { Command20_Click(); };
  Check1.onClick = [this] { Check1_Click(); };
  Check2.onClick = [this] { Check2_Click(); };
  Check4.onClick = [this] { Check4_Click(); };
  Check5.onClick = [this] { Check5_Click(); };
  Check7.onClick = [this] { Check7_Click(); };
  Check8.onClick = [this] { Check8_Click(); };
  Check10.onClick = [this] { Check10_Click(); };
  Check11.onClick = [this] { Check11_Click(); };
  Check12.onClick = [this] { Check12_Click(); };
  Text1.onLostFocus = [this] { Text1_LostFocus(); };
  EnableDisable.onClick = [this] { EnableDisable_Click(); };
  Minimize.onClick = [this] { Minimize_Click(); };
  Exit.onClick = [this] { Exit_Click(); };
  About.onClick = [this] { About_Click(); };
  Help.onClick = [this] { Help_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer5.onTick = [this] { Timer5_Timer(); };
  Timer8.onTick = [this] { Timer8_Timer(); };
}

void Form1::Start() {
  Form_Load();
  if (!hideRequested_ && !ended_) platform_.form.Show();
}

void Form1::AttachObserver(ControlObserver* observer) {
  for (Control* control : std::initializer_list<Control*>{
           &Frame1,        &Command1, &Command3, &Command5, &Command4, &Command2, &Check1,
           &Label3,        &Text1,    &Frame15,  &Label49,  &Text35,   &Check7,   &Command20,
           &Check10,       &Check8,   &Check11,  &Check12,  &Frame4,   &Check4,   &Frame2,
           &Check2,        &Label4,   &Text2,    &Check5,   &Image1,   &Image2,   &File,
           &EnableDisable, &Minimize, &Exit,     &Help1,    &About,    &Help}) {
    control->AttachObserver(observer);
  }
  for (Label& label : Label1) label.AttachObserver(observer);
}

std::string Form1::GetSetting(const Setting& setting) {
  // A refused read counts as an absent entry: the default stands in.
  return platform_.settings.Read(kApplicationName, setting.section, setting.key)
      .value_or(setting.defaultValue);
}

void Form1::SaveSetting(const Setting& setting, const std::string& value) {
  // A refused write is not retried: the control still shows the value, and the next change
  // writes again.
  platform_.settings.Write(kApplicationName, setting.section, setting.key, value);
}

int Form1::GetCheckSetting(const Setting& setting) {
  return StoredCheckValue(GetSetting(setting), *ToInt16(setting.defaultValue));
}

void Form1::SaveCheckSetting(const Setting& setting, const CheckBox& box) {
  SaveSetting(setting, box.IsChecked() ? "1" : "0");
}

void Form1::EndProgram() {
  ended_ = true;
  platform_.loop.Quit();
}

}  // namespace tarnwick
