#include <gtest/gtest.h>

#include "win32/system_shell.h"
// clang-format off
#include <shellapi.h>
// clang-format on

#include "test_windows.h"

namespace tarnwick::win32 {
namespace {

using testing::MakeWindow;

// The icon lives in the virtual desktop's notification area and is named by window + id:
// one id for both pictures, so the shell sees one icon across enable/disable toggles.
TEST(SystemShell, KeepsOneTrayIconIdentityWhateverThePicture) {
  HWND owner = MakeWindow(L"Tray owner", 0, 0, 200, 100);
  SystemShell shell(owner);
  NOTIFYICONDATAW identity{};
  identity.cbSize = sizeof(identity);
  identity.hWnd = owner;
  identity.uID = kTrayIconId;
  const auto shellKnowsIt = [&] { return Shell_NotifyIconW(NIM_MODIFY, &identity) != FALSE; };

  EXPECT_FALSE(shell.CannotReachElevated()) << "a notice needs the icon to stand by";
  ASSERT_TRUE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1"));
  EXPECT_TRUE(shellKnowsIt());
  EXPECT_TRUE(shell.CannotReachElevated());
  SystemShell quiet(owner, [] { return NotificationState::kQuietTime; });
  EXPECT_FALSE(quiet.CannotReachElevated()) << "the shell drops it in the user's quiet time";
  EXPECT_FALSE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1")) << "no duplicates";
  EXPECT_FALSE(shell.AddTrayIcon(IconId::kDisabled, "Tarnwick 2.1")) << "the same icon";
  // A toggle: the old picture goes, the new one comes, under the same identity.
  EXPECT_TRUE(shell.DeleteTrayIcon(IconId::kApplication));
  EXPECT_FALSE(shellKnowsIt());
  EXPECT_FALSE(shell.DeleteTrayIcon(IconId::kApplication)) << "already gone";
  EXPECT_TRUE(shell.AddTrayIcon(IconId::kDisabled, std::string(300, 't'))) << "long tip cut";
  EXPECT_TRUE(shellKnowsIt());
  EXPECT_TRUE(shell.DeleteTrayIcon(IconId::kDisabled));
  EXPECT_FALSE(shellKnowsIt());
  DestroyWindow(owner);
}

TEST(SystemShell, OpeningAMissingDocumentFailsQuietly) {
  SystemShell shell(nullptr);
  EXPECT_FALSE(shell.OpenDocument("Z:\\no\\such\\folder\\Tarnwick.html"));
}

}  // namespace
}  // namespace tarnwick::win32
