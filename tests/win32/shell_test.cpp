#include <gtest/gtest.h>

#include "platform/win32/system_shell.h"
#include "test_windows.h"

namespace tarnwick::win32 {
namespace {

using testing::MakeWindow;

// The icon lives in the virtual desktop's notification area and is named by window + id.
TEST(SystemShell, AddsAndDeletesTrayIconsByWindowAndId) {
  HWND owner = MakeWindow(L"Tray owner", 0, 0, 200, 100);
  SystemShell shell(owner);
  ASSERT_TRUE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1"));
  EXPECT_FALSE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1")) << "no duplicates";
  EXPECT_TRUE(shell.AddTrayIcon(IconId::kDisabled, std::string(300, 't'))) << "long tip cut";
  EXPECT_TRUE(shell.DeleteTrayIcon(IconId::kApplication));
  EXPECT_FALSE(shell.DeleteTrayIcon(IconId::kApplication)) << "already gone";
  EXPECT_TRUE(shell.DeleteTrayIcon(IconId::kDisabled));
  DestroyWindow(owner);
}

TEST(SystemShell, OpeningAMissingDocumentFailsQuietly) {
  SystemShell shell(nullptr);
  EXPECT_FALSE(shell.OpenDocument("Z:\\no\\such\\folder\\Tarnwick.html"));
}

}  // namespace
}  // namespace tarnwick::win32
