#pragma once
#include <map>

#include "app/form1.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// "&File" and "&Help" with their items, no shortcut keys. Item ids map back to the model's
// menu items; the window owns the returned menu.
struct MenuBar {
  HMENU menu = nullptr;
  std::map<UINT, MenuItem*> items;
};

MenuBar BuildMenuBar(Form1& form);
// The menu and the pop-ups inside it, counted as the live-object count does.
int MenusIn(HMENU menu);
// Destroys a menu bar that is no longer any window's (DestroyWindow would take it along).
void DestroyMenuBar(MenuBar& bar);

}  // namespace tarnwick::win32
