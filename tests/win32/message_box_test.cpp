// A message box's icon tells at a glance what it brings: refused input, a failure, or news
// the user asked for.
#include <gtest/gtest.h>

#include "test_windows.h"
#include "win32/system_shell.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kTitle[] = L"Tarnwick message test";

// The picture of the message box's icon control; null when it shows none.
HICON ShownIcon(HWND box) {
  HICON shown = nullptr;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM found) -> BOOL {
        wchar_t className[16]{};
        GetClassNameW(child, className, 16);
        if (_wcsicmp(className, L"Static") == 0 &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          *reinterpret_cast<HICON*>(found) =
              reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  return shown;
}

TEST(SystemShell, AMessageBoxCarriesTheIconOfItsKind) {
  SystemShell shell(nullptr);
  const struct {
    MessageKind kind;
    const wchar_t* icon;
  } cases[] = {{MessageKind::kInformation, IDI_INFORMATION},
               {MessageKind::kWarning, IDI_WARNING},
               {MessageKind::kError, IDI_ERROR}};
  for (const auto& [kind, icon] : cases) {
    HICON shown = nullptr;
    // The box is modal: it is read and closed from inside its own loop.
    testing::RepeatFromLoop([&shown] {
      HWND box = testing::FindThreadWindow(L"#32770", kTitle);
      if (box == nullptr) return false;
      shown = ShownIcon(box);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return true;
    });
    shell.ShowMessage(Narrow(kTitle), "Tarnwick could not do what was asked.", kind);
    testing::StopRepeating();
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(shown, LoadIconW(nullptr, icon)) << static_cast<int>(kind);
  }
}

}  // namespace
}  // namespace tarnwick::win32
