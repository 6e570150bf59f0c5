// Launch at log-on as a user sees it: the box, the StartUp folder Explorer reads at log-on,
// and Task Manager's record of entries switched off.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "fixture.h"
#include "tests/common/shortcut_reader.h"

namespace tarnwick::e2e {
namespace {

constexpr wchar_t kBox[] = L"Auto Lanuch when windows Starts?";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";

std::wstring KnownFolder(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  const HRESULT result = SHGetKnownFolderPath(folder, KF_FLAG_CREATE, nullptr, &path);
  std::wstring found = SUCCEEDED(result) && path ? path : L"";
  CoTaskMemFree(path);
  return found;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Contents(const std::wstring& path) {
  std::string contents;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return contents;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    contents.append(buffer, read);
  }
  CloseHandle(file);
  return contents;
}

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L'\\'));
}

using test_support::Shortcut;

Shortcut Resolve(const std::wstring& path) {
  return test_support::ReadShortcut(path);
}

// What an installer leaves in the Start Menu: a shortcut the copy can be told apart by.
bool WriteGroupShortcut(const std::wstring& path, const std::wstring& target = TarnwickPath()) {
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  bool saved = false;
  link->SetPath(target.c_str());
  link->SetDescription(L"Tarnwick from the program group");
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(path.c_str(), TRUE));
    file->Release();
  }
  link->Release();
  return saved;
}

class LaunchAtLogon : public TarnwickCase {
 protected:
  void SetUp() override {
    TarnwickCase::SetUp();
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::wstring startup = KnownFolder(FOLDERID_Startup);
    const std::wstring programs = KnownFolder(FOLDERID_Programs);
    ASSERT_FALSE(startup.empty() || programs.empty());
    entry_ = startup + L"\\Tarnwick.lnk";
    draft_ = startup + L"\\Tarnwick.lnk.new";
    group_ = programs + L"\\Tarnwick";
    RemoveTraces();
  }
  // Later tiers share this prefix: leave no entry, group, mark or setting behind.
  void TearDown() override {
    TarnwickCase::TearDown();
    RemoveTraces();
    DeleteAllSettings();
    CoUninitialize();
  }
  void RemoveTraces() const {
    DeleteFileW(entry_.c_str());
    RemoveDirectoryW(draft_.c_str());
    DeleteFileW(draft_.c_str());
    DeleteFileW((group_ + L"\\Tarnwick.lnk").c_str());
    DeleteFileW((group_ + L"\\Tarnwick.exe").c_str());
    RemoveDirectoryW(group_.c_str());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"Tarnwick.lnk");
  }
  HWND Box() const { return program_->Control(ControlKind::kCheckBox, kBox); }
  static bool Stored(const wchar_t* value) { return ReadSetting(L"startup", L"windows") == value; }

  std::wstring entry_;
  std::wstring draft_;
  std::wstring group_;
};

TEST_F(LaunchAtLogon, TickCopiesTheGroupShortcutAndSwitchesItOnUntickRemovesIt) {
  ASSERT_TRUE(CreateDirectoryW(group_.c_str(), nullptr));
  ASSERT_TRUE(WriteGroupShortcut(group_ + L"\\Tarnwick.lnk"));
  const std::string groupShortcut = Contents(group_ + L"\\Tarnwick.lnk");
  // Switched off in Task Manager at some earlier time.
  const BYTE off[12] = {0x03, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"Tarnwick.lnk", REG_BINARY, off, sizeof off);

  ASSERT_TRUE(Launch());
  ClickButton(Box());
  ASSERT_TRUE(WaitUntil([] { return Stored(L"1"); }));
  EXPECT_EQ(CheckStateOf(Box()), 1);
  ASSERT_TRUE(Exists(entry_));
  EXPECT_EQ(Contents(entry_), groupShortcut) << "a copy of the program group's shortcut";
  EXPECT_FALSE(Exists(draft_));
  EXPECT_NE(RegGetValueW(HKEY_CURRENT_USER, kApprovedKey, L"Tarnwick.lnk", RRF_RT_ANY, nullptr,
                         nullptr, nullptr),
            ERROR_SUCCESS)
      << "ticking is asking for it to run";

  ClickButton(Box());
  ASSERT_TRUE(WaitUntil([] { return Stored(L"0"); }));
  EXPECT_EQ(CheckStateOf(Box()), 0);
  EXPECT_FALSE(Exists(entry_));
  EXPECT_TRUE(Exists(group_ + L"\\Tarnwick.lnk")) << "the group keeps its shortcut";
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr);
}

TEST_F(LaunchAtLogon, AGroupShortcutToAnotherCopyGivesWayToAShortcutToThisOne) {
  // An installed copy in the group, and this one run from elsewhere.
  ASSERT_TRUE(CreateDirectoryW(group_.c_str(), nullptr));
  const std::wstring installed = group_ + L"\\Tarnwick.exe";
  ASSERT_TRUE(CopyFileW(TarnwickPath().c_str(), installed.c_str(), FALSE));
  ASSERT_TRUE(WriteGroupShortcut(group_ + L"\\Tarnwick.lnk", installed));

  ASSERT_TRUE(Launch());
  ClickButton(Box());
  ASSERT_TRUE(WaitUntil([] { return Stored(L"1"); }));
  const Shortcut made = Resolve(entry_);
  EXPECT_EQ(_wcsicmp(made.target.c_str(), TarnwickPath().c_str()), 0) << Narrow(made.target);
}

TEST_F(LaunchAtLogon, AStartKeepsTaskManagersOffAndLeavesAFailedRenewalForTheNextStart) {
  ASSERT_TRUE(Launch());
  ClickButton(Box());
  ASSERT_TRUE(WaitUntil([] { return Stored(L"1"); }));
  ASSERT_TRUE(Exists(entry_));
  ASSERT_TRUE(Program().Exit());

  // The entry cannot be written at the next start: the box stays ticked, and no message
  // box comes before the window.
  ASSERT_TRUE(CreateDirectoryW(draft_.c_str(), nullptr));
  ASSERT_TRUE(Launch());
  Pause(500ms);
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr);
  EXPECT_EQ(CheckStateOf(Box()), 1);
  EXPECT_TRUE(Stored(L"1"));
  ASSERT_TRUE(Program().Exit());
  ASSERT_TRUE(RemoveDirectoryW(draft_.c_str()));

  // Switched off in Task Manager: the next start shows it so and leaves it so.
  const BYTE off[12] = {0x03, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
  RegSetKeyValueW(HKEY_CURRENT_USER, kApprovedKey, L"Tarnwick.lnk", REG_BINARY, off, sizeof off);
  ASSERT_TRUE(Launch());
  EXPECT_TRUE(WaitUntil([] { return Stored(L"0"); }));
  EXPECT_EQ(CheckStateOf(Box()), 0);
  BYTE record[12] = {};
  DWORD size = sizeof record;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kApprovedKey, L"Tarnwick.lnk", RRF_RT_REG_BINARY,
                         nullptr, record, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(record[0], 0x03) << "Task Manager's choice stays";
  EXPECT_TRUE(Exists(entry_)) << "Task Manager still lists it";
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr);
}

TEST_F(LaunchAtLogon, WithoutAGroupTheEntryStartsThisProgramAndEachStartRestoresIt) {
  ASSERT_TRUE(Launch());
  ClickButton(Box());
  ASSERT_TRUE(WaitUntil([] { return Stored(L"1"); }));
  const Shortcut made = Resolve(entry_);
  EXPECT_EQ(_wcsicmp(made.target.c_str(), TarnwickPath().c_str()), 0) << Narrow(made.target);
  EXPECT_EQ(_wcsicmp(made.workingFolder.c_str(), FolderOf(TarnwickPath()).c_str()), 0)
      << Narrow(made.workingFolder);
  ASSERT_TRUE(Program().Exit());

  // Deleted behind the program's back; the box is still ticked in the store.
  ASSERT_TRUE(DeleteFileW(entry_.c_str()));
  ASSERT_TRUE(Launch());
  EXPECT_TRUE(WaitUntil([&] { return Exists(entry_); }));
  EXPECT_EQ(CheckStateOf(Box()), 1);
  EXPECT_TRUE(Stored(L"1"));
  EXPECT_EQ(_wcsicmp(Resolve(entry_).target.c_str(), TarnwickPath().c_str()), 0);
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr);
}

TEST_F(LaunchAtLogon, AnEntryThatCannotBeWrittenLeavesTheBoxUntickedAndSaysSoOnce) {
  // A folder in the way of the draft: neither a copy nor a new shortcut can be written.
  ASSERT_TRUE(CreateDirectoryW(draft_.c_str(), nullptr));
  ASSERT_TRUE(Launch());
  ClickButton(Box());
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(Program().Id())) != nullptr; }));
  EXPECT_EQ(TextOf(box), L"Tarnwick");
  EXPECT_TRUE(MessageBoxText(box).starts_with(L"Tarnwick could not be set to start at log-on"))
      << Narrow(MessageBoxText(box));
  EXPECT_EQ(CheckStateOf(Box()), 0) << "unticked while the message shows";
  EXPECT_TRUE(Stored(L"0"));
  PressMessageBoxOk(box);
  Pause(500ms);
  EXPECT_EQ(FindMessageBox(Program().Id()), nullptr) << "one message, not two";
  EXPECT_FALSE(Exists(entry_));
}

}  // namespace
}  // namespace tarnwick::e2e
