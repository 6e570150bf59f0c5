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
    icon = Image2.Picture();
  } else {
    focus.SetEnabled(true);
    Command1.SetCaption(kEnabledCaption);
    icon = Image1.Picture();
  }
  settings_.disabled = !focus.Enabled();
  store.Save(settings_, kDisabledSetting);
  platform_.form.SetIcon(icon);
  // An icon that is there already takes the new picture in place.
  AddIconTray();
}

void Form1::MenuItemChosen(const MenuItem& item) {
  // The pointer rests where the menu was, over our window or another: the window the item
  // opens (Options, About, the help page) must not be covered a hover delay later.
  focus.HoldUntilMoved();
  item.Click();
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
  platform_.shell.ShowMessage(kApplicationName, kAboutText, MessageKind::kInformation);
}

void Form1::Command5_Click() {
  const std::string page = platform_.files.ProgramFolder() + kHelpPage;
  if (platform_.shell.OpenDocument(page)) return;
  // A copy unpacked without its help page, or no browser for it: say where to look.
  platform_.shell.ShowMessage(
      kApplicationName,
      "The help page could not be opened. It belongs beside the program, at " + page,
      MessageKind::kError);
}

void Form1::Check1_Click() {
  KeepCheck(Check1, &Settings::runMinimized, kRunMinimizedSetting);
}

void Form1::KeepCheck(const CheckBox& box, int Settings::*field, const Setting& setting) {
  settings_.*field = box.Value();
  store.Save(settings_, setting);
}

void Form1::Form_Unload() {
  // Closing the window must not leave a dead icon in the notification area.
  RemoveIconTray();
  EndProgram();
}

}  // namespace tarnwick
