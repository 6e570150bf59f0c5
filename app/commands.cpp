#include "app/form1.h"

namespace tarnwick {

namespace {
// The user guide ships beside the program, so help works offline and matches this version.
constexpr const char* kHelpPage = "\\Tarnwick.html";
}  // namespace

void Form1::Command1_Click() {
  // The setting is written before the icon calls, so the stored state is current even if
  // the shell refuses them.
  if (focus.Enabled()) {
    focus.SetEnabled(false);
    Command1.SetCaption(kDisabledCaption);
    SaveSetting(kDisabledSetting, "1");
    RemoveIconTray();
    icon = Image2.Picture();
  } else {
    focus.SetEnabled(true);
    Command1.SetCaption(kEnabledCaption);
    SaveSetting(kDisabledSetting, "0");
    RemoveIconTray();
    icon = Image1.Picture();
  }
  platform_.form.SetIcon(icon);
  AddIconTray();
}

void Form1::Command4_Click() {
  platform_.form.Hide();
  hideRequested_ = true;
  AddIconTray();
}

void Form1::Command2_Click() {
  RemoveIconTray();
  EndProgram();
}

void Form1::Command3_Click() {
  platform_.shell.ShowMessage(kApplicationName, kAboutText);
}

void Form1::Command5_Click() {
  platform_.shell.OpenDocument(platform_.files.ProgramFolder() + kHelpPage);
}

void Form1::Check1_Click() {
  SaveCheckSetting(kRunMinimizedSetting, Check1);
}

void Form1::Form_Unload() {
  // Closing the window must not leave a dead icon in the notification area.
  RemoveIconTray();
  EndProgram();
}

}  // namespace tarnwick
