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

  ASSERT_TRUE(shell.AddTrayIcon(IconId::kApplication, "Tarnwick 2.1"));
  EXPECT_TRUE(shellKnowsIt());
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

// In the user's quiet time the shell takes a balloon, says TRUE and drops it unshown, and the
// notification state may name a stronger state instead: Wine never does this, so the shell
// here answers that way. A notice counts as given only once the shell showed it.
TEST(SystemShell, ANoticeTheShellNeverShowedIsOfferedAgainLater) {
  static int offered;
  static ULONGLONG clockMs;
  offered = 0;
  clockMs = 5000;
  SystemShell shell(nullptr, NoticeCalls{[](DWORD, PNOTIFYICONDATAW) -> BOOL { return ++offered; },
                                         [] { return clockMs; }});
  EXPECT_FALSE(shell.CannotReachElevated());
  EXPECT_EQ(offered, 1);
  clockMs += SystemShell::kNoticeRetryMs - 1;
  EXPECT_FALSE(shell.CannotReachElevated()) << "taken is not shown";
  EXPECT_EQ(offered, 1) << "not offered again while the shell may still show it";
  clockMs += 1;
  EXPECT_FALSE(shell.CannotReachElevated());
  EXPECT_EQ(offered, 2) << "offered again later";
  shell.NoticeShown();
  EXPECT_TRUE(shell.CannotReachElevated()) << "given once shown";
  EXPECT_EQ(offered, 2);
}

TEST(SystemShell, OpeningAMissingDocumentFailsQuietly) {
  SystemShell shell(nullptr);
  EXPECT_FALSE(shell.OpenDocument("Z:\\no\\such\\folder\\Tarnwick.html"));
}

}  // namespace
}  // namespace tarnwick::win32
