// The Windows API comes first: the shell's COM headers build on it.
// clang-format off
#include "win32/win32_api.h"
// clang-format on
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cctype>
#include <string>

#include "tests/common/shortcut_reader.h"
#include "win32/system_file_system.h"
#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string TempFolder() {
  wchar_t path[MAX_PATH + 1]{};
  std::wstring folder(path, GetTempPathW(MAX_PATH + 1, path));
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return Narrow(folder);
}

struct ResolvedShortcut {
  std::string target;
  std::string workingFolder;
};

// What the shell reads back from a shortcut file, as Explorer would at log-on.
ResolvedShortcut Resolve(const std::string& path) {
  const test_support::Shortcut shortcut = test_support::ReadShortcut(Widen(path));
  return {Narrow(shortcut.target), Narrow(shortcut.workingFolder)};
}

bool HasApprovalValue(const wchar_t* name) {
  return RegGetValueW(HKEY_CURRENT_USER, kApprovedKey, name, RRF_RT_REG_BINARY, nullptr, nullptr,
                      nullptr) == ERROR_SUCCESS;
}

void MarkDisabled(const wchar_t* name) {
  // Task Manager's record: an odd first byte is "off", then the moment it was switched.
  const BYTE record[12] = {0x03, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, name, REG_BINARY, record, sizeof(record));
}

TEST(SystemFileSystem, FindsTheUsersStartMenuFoldersAndItsOwnFile) {
  SystemFileSystem files;
  const std::string programs = files.ProgramsFolder();
  const std::string startup = files.StartupFolder();
  EXPECT_TRUE(IsFolder(programs)) << programs;
  EXPECT_TRUE(IsFolder(startup)) << startup;
  EXPECT_NE(programs, startup);
  for (const std::string& folder : {programs, startup}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
  }

  const std::string program = files.ProgramPath();
  EXPECT_TRUE(IsFile(program)) << program;
  EXPECT_TRUE(program.ends_with("\\win32_tests.exe")) << program;
  EXPECT_EQ(files.ProgramFolder() + "\\win32_tests.exe", program);
}

TEST(SystemFileSystem, CopiesMovesOverAndDeletesFilesWithUnicodeNames) {
  SystemFileSystem files;
  const std::string folder = TempFolder();
  const std::string source = folder + "\\Tarnwick \xE2\x82\xAC.lnk";
  const std::string draft = folder + "\\Startup draft \xE2\x82\xAC.lnk.new";
  const std::string target = folder + "\\Startup copy \xE2\x82\xAC.lnk";
  EXPECT_FALSE(files.CopyFile(source, draft)) << "no source yet";
  EXPECT_FALSE(IsFile(draft));
  ASSERT_TRUE(files.CopyFile(files.ProgramPath(), source));
  ASSERT_TRUE(files.CopyFile(source, target));
  ASSERT_TRUE(files.CopyFile(source, draft));
  EXPECT_TRUE(files.CopyFile(source, draft)) << "an existing copy is replaced";
  EXPECT_TRUE(files.MoveFile(draft, target)) << "an existing file is replaced";
  EXPECT_FALSE(IsFile(draft));
  EXPECT_TRUE(IsFile(target));
  EXPECT_TRUE(files.FileExists(target) && !files.FileExists(draft) && !files.FileExists(folder));
  EXPECT_FALSE(files.MoveFile(draft, target)) << "nothing left to move";
  EXPECT_TRUE(files.DeleteFile(target));
  EXPECT_FALSE(files.DeleteFile(target)) << "already deleted";
  EXPECT_TRUE(files.DeleteFile(source));
}

TEST(SystemFileSystem, WritesShortcutsThatResolveToTheirTarget) {
  // Without COM of its own: the program's thread has it, but the call must not rely on it.
  SystemFileSystem files;
  const std::string folder = TempFolder();
  const std::string shortcut = folder + "\\Tarnwick \xC3\xA9t\xC3\xA9.lnk.new";
  ASSERT_TRUE(files.CreateShortcut(shortcut, files.ProgramPath(), files.ProgramFolder()));

  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  const ResolvedShortcut resolved = Resolve(shortcut);
  EXPECT_EQ(resolved.target, files.ProgramPath());
  EXPECT_EQ(resolved.workingFolder, files.ProgramFolder());
  CoUninitialize();

  EXPECT_TRUE(files.CreateShortcut(shortcut, files.ProgramPath(), folder)) << "replaced";
  EXPECT_TRUE(files.DeleteFile(shortcut));
  EXPECT_FALSE(
      files.CreateShortcut(folder + "\\no such folder\\Tarnwick.lnk", files.ProgramPath(), folder));
  EXPECT_FALSE(files.CreateShortcut(shortcut, "", folder)) << "no target, no shortcut";
  EXPECT_FALSE(IsFile(shortcut));
}

TEST(SystemFileSystem, TellsWhetherAShortcutStartsThisVeryProgram) {
  SystemFileSystem files;
  const std::string folder = TempFolder();
  const std::string program = files.ProgramPath();
  const std::string shortcut = folder + "\\Tarnwick group \xE2\x82\xAC.lnk";
  ASSERT_TRUE(files.CreateShortcut(shortcut, program, files.ProgramFolder()));
  EXPECT_TRUE(files.ShortcutStarts(shortcut, program));
  std::string otherCase = program;
  for (char& c : otherCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_TRUE(files.ShortcutStarts(shortcut, otherCase)) << "one file, however it is written";

  // A second copy of the program, as a portable one beside the installed one.
  const std::string copy = folder + "\\Tarnwick portable \xE2\x82\xAC.exe";
  ASSERT_TRUE(files.CopyFile(program, copy));
  EXPECT_FALSE(files.ShortcutStarts(shortcut, copy));
  ASSERT_TRUE(files.CreateShortcut(shortcut, copy, folder));
  EXPECT_FALSE(files.ShortcutStarts(shortcut, program));
  EXPECT_TRUE(files.ShortcutStarts(shortcut, copy));
  EXPECT_EQ(files.ShortcutTarget(shortcut), copy);
  ASSERT_TRUE(files.DeleteFile(copy));
  EXPECT_FALSE(files.ShortcutStarts(shortcut, copy)) << "a target that is gone starts nothing";
  EXPECT_EQ(files.ShortcutTarget(shortcut), copy) << "yet the shortcut still names it";

  EXPECT_FALSE(files.ShortcutStarts(program, program)) << "no shortcut";
  EXPECT_EQ(files.ShortcutTarget(program), "");
  EXPECT_FALSE(files.ShortcutStarts(folder + "\\no such shortcut.lnk", program));
  EXPECT_TRUE(files.DeleteFile(shortcut));
}

TEST(SystemFileSystem, ReadsTaskManagersOnAndOffRecords) {
  SystemFileSystem files;
  RegDeleteKeyW(HKEY_CURRENT_USER, kApprovedKey);
  EXPECT_FALSE(files.StartupEntryDisabled("TarnwickBackend.lnk")) << "no key: nothing is off";
  MarkDisabled(L"TarnwickBackend.lnk");
  EXPECT_TRUE(files.StartupEntryDisabled("TarnwickBackend.lnk"));
  EXPECT_FALSE(files.StartupEntryDisabled("TarnwickNeighbour.lnk"));
  // Switched back on in Task Manager: the record stays, with an even first byte.
  const BYTE on[12] = {0x02};
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"TarnwickBackend.lnk", REG_BINARY, on,
                  sizeof(on));
  EXPECT_FALSE(files.StartupEntryDisabled("TarnwickBackend.lnk"));
  // Damage reads as no record.
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"TarnwickBackend.lnk", REG_BINARY, on, 0);
  EXPECT_FALSE(files.StartupEntryDisabled("TarnwickBackend.lnk"));
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"TarnwickBackend.lnk", REG_SZ, L"3",
                  2 * sizeof(wchar_t));
  EXPECT_FALSE(files.StartupEntryDisabled("TarnwickBackend.lnk"));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"TarnwickBackend.lnk");
}

TEST(SystemFileSystem, ClearsTaskManagersOffMarkAndOnlyThat) {
  SystemFileSystem files;
  RegDeleteKeyW(HKEY_CURRENT_USER, kApprovedKey);
  EXPECT_TRUE(files.ClearStartupDisabledMark("TarnwickBackend.lnk")) << "no key: nothing is off";

  MarkDisabled(L"TarnwickBackend.lnk");
  MarkDisabled(L"TarnwickNeighbour.lnk");
  ASSERT_TRUE(HasApprovalValue(L"TarnwickBackend.lnk"));
  EXPECT_TRUE(files.ClearStartupDisabledMark("TarnwickBackend.lnk"));
  EXPECT_FALSE(HasApprovalValue(L"TarnwickBackend.lnk"));
  EXPECT_TRUE(HasApprovalValue(L"TarnwickNeighbour.lnk")) << "other entries keep theirs";
  EXPECT_TRUE(files.ClearStartupDisabledMark("TarnwickBackend.lnk")) << "already clear";

  RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"TarnwickNeighbour.lnk");
}

}  // namespace
}  // namespace tarnwick::win32
