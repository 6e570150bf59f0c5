#include "platform/win32/menu_bar.h"

#include <initializer_list>

#include "platform/win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

constexpr UINT kFirstMenuId = 1000;

}  // namespace

MenuBar BuildMenuBar(Form1& form) {
  MenuBar bar;
  bar.menu = CreateMenu();
  if (bar.menu == nullptr) return bar;
  UINT nextId = kFirstMenuId;
  auto addMenu = [&](MenuItem& title, std::initializer_list<MenuItem*> items) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) return;
    for (MenuItem* item : items) {
      const UINT id = nextId++;
      AppendMenuW(popup, MF_STRING, id, Widen(item->Caption()).c_str());
      bar.items[id] = item;
    }
    AppendMenuW(bar.menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                Widen(title.Caption()).c_str());
  };
  addMenu(form.File, {&form.EnableDisable, &form.Minimize, &form.OptionsItem, &form.Exit});
  addMenu(form.Help1, {&form.About, &form.Help});
  return bar;
}

}  // namespace tarnwick::win32
