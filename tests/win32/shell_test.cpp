#include <gtest/gtest.h>

#include "platform/win32/system_file_system.h"
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

TEST(SystemFileSystem, ReadsEnvironmentVariablesAsUtf8) {
  SystemFileSystem files;
  EXPECT_FALSE(files.EnvironmentVariable("TEMP").empty());
  EXPECT_EQ(files.EnvironmentVariable("TARNWICK_SURELY_UNSET"), "");
  SetEnvironmentVariableW(L"TARNWICK_TEST_FOLDER", L"C:\\Users\\\u00e9");
  EXPECT_EQ(files.EnvironmentVariable("TARNWICK_TEST_FOLDER"), "C:\\Users\\\xC3\xA9");
  const std::string program = files.ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_NE(program.back(), '\\');
}

TEST(SystemFileSystem, CopiesReplacesAndDeletesFilesWithUnicodeNames) {
  SystemFileSystem files;
  const std::string folder = files.EnvironmentVariable("TEMP");
  const std::string source = folder + "\\Tarnwick \xE2\x82\xAC.lnk";
  const std::string target = folder + "\\Startup copy \xE2\x82\xAC.lnk";
  EXPECT_FALSE(files.CopyFile(source, target)) << "no source yet";
  ASSERT_TRUE(files.CopyFile(files.ProgramFolder() + "\\win32_tests.exe", source));
  EXPECT_TRUE(files.CopyFile(source, target));
  EXPECT_TRUE(files.CopyFile(source, target)) << "an existing copy is replaced";
  EXPECT_TRUE(files.DeleteFile(target));
  EXPECT_FALSE(files.DeleteFile(target)) << "already deleted";
  EXPECT_TRUE(files.DeleteFile(source));
}

}  // namespace
}  // namespace tarnwick::win32
