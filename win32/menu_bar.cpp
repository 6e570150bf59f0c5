#include "win32/menu_bar.h"

#include <initializer_list>

#include "win32/live_objects.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

constexpr UINT kFirstMenuId = 1000;

}  // namespace

MenuBar BuildMenuBar(Form1& form) {
  MenuBar bar;
  bar.menu = CreateMenu();
  if (bar.menu == nullptr) return bar;
  CountCreated(ObjectKind::kMenu);
  UINT nextId = kFirstMenuId;
  auto addMenu = [&](MenuItem& title, std::initializer_list<MenuItem*> items) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr) return;
    CountCreated(ObjectKind::kMenu);
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

int MenusIn(HMENU menu) {
  int count = 1;
  const int items = GetMenuItemCount(menu);
  for (int position = 0; position < items; ++position) {
    if (HMENU sub = GetSubMenu(menu, position)) count += MenusIn(sub);
  }
  return count;
}

void DestroyMenuBar(MenuBar& bar) {
  if (bar.menu == nullptr) return;
  const int menus = MenusIn(bar.menu);
  if (DestroyMenu(bar.menu)) CountDestroyed(ObjectKind::kMenu, menus);
  bar.menu = nullptr;
  bar.items.clear();
}

}  // namespace tarnwick::win32
