#include "win32/message_filter.h"

#include <gtest/gtest.h>

#include <set>

#include "test_windows.h"
#include "win32/private_messages.h"

namespace tarnwick::win32 {
namespace {

// Stands in for the system's filter of a process that runs elevated: every message not let
// through is dropped. Wine has no such filter, so only this stand-in can show the effect.
struct ElevatedFilter {
  static inline std::set<UINT> allowed;
  static inline UINT refuse = 0;
  static BOOL WINAPI Change(HWND, UINT message, DWORD action, PCHANGEFILTERSTRUCT) {
    if (message == refuse || action != MSGFLT_ALLOW) return FALSE;
    allowed.insert(message);
    return TRUE;
  }
  static bool Delivers(UINT message) { return allowed.count(message) != 0; }
};

TEST(MessageFilter, AnElevatedInstanceStillHearsTheTaskbarTheTrayAndASecondStart) {
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  ASSERT_NE(taskbarCreated, 0u);
  HWND window = testing::MakeWindow(L"Elevated", 0, 0, 100, 100);
  ElevatedFilter::allowed.clear();
  EXPECT_EQ(AllowMessagesFromOtherProcesses(window, MessagesFromOtherProcesses(taskbarCreated),
                                            &ElevatedFilter::Change),
            3);
  EXPECT_TRUE(ElevatedFilter::Delivers(taskbarCreated)) << "the icon would not come back";
  EXPECT_TRUE(ElevatedFilter::Delivers(kTrayCallbackMessage)) << "clicks on the icon lost";
  EXPECT_TRUE(ElevatedFilter::Delivers(kShowYourselfMessage)) << "a second start unheard";
  EXPECT_FALSE(ElevatedFilter::Delivers(kKeyPressMessage)) << "only what others send";

  // One refused does not keep the others out.
  ElevatedFilter::allowed.clear();
  ElevatedFilter::refuse = kTrayCallbackMessage;
  EXPECT_EQ(AllowMessagesFromOtherProcesses(window, MessagesFromOtherProcesses(taskbarCreated),
                                            &ElevatedFilter::Change),
            2);
  EXPECT_TRUE(ElevatedFilter::Delivers(kShowYourselfMessage));
  ElevatedFilter::refuse = 0;

  // The system's own filter takes them (Wine accepts and ignores them).
  EXPECT_EQ(AllowMessagesFromOtherProcesses(window, MessagesFromOtherProcesses(taskbarCreated)), 3);
  DestroyWindow(window);
}

}  // namespace
}  // namespace tarnwick::win32
