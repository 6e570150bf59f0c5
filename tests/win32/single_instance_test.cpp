#include "win32/single_instance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "test_windows.h"

namespace tarnwick::win32 {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

constexpr wchar_t kTestMutex[] = L"Local\\Tarnwick.SingleInstanceTest";
constexpr wchar_t kTestClass[] = L"TarnwickSingleInstanceTest";

// Stands in for the running instance's main window: answers a request to show itself as a
// running (1) or an ending (0) Tarnwick does.
std::atomic<int> gAnswer{1};
std::atomic<int> gAsked{0};

LRESULT CALLBACK RunningProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kShowYourselfMessage) {
    ++gAsked;
    return gAnswer.load();
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeRunningWindow(int answer) {
  static const bool registered = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RunningProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTestClass;
    return RegisterClassW(&windowClass) != 0;
  }();
  EXPECT_TRUE(registered);
  gAnswer = answer;
  gAsked = 0;
  return CreateWindowW(kTestClass, L"Running", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                       GetModuleHandleW(nullptr), nullptr);
}

// One start of the program. It claims on a thread of its own, as another process would: a
// mutex is re-entered by the thread that owns it, never waited for.
class Start {
 public:
  Start() : thread_([this] { Run(); }) {}
  Start(const Start&) = delete;
  Start& operator=(const Start&) = delete;
  ~Start() { End(); }

  // Waits (pumping this thread's windows) for the verdict; nothing when none came in time.
  std::optional<bool> Verdict(int timeoutMs) {
    PumpUntil([this] { return decided_.load(); }, timeoutMs);
    if (!decided_) return std::nullopt;
    return claimed_.load();
  }
  void End() {
    ending_ = true;
    if (thread_.joinable()) thread_.join();
  }

 private:
  void Run() {
    SingleInstance single(kTestMutex, kTestClass);
    claimed_ = single.Claim();
    decided_ = true;
    while (!ending_) Sleep(10);
    single.Release();
  }

  std::atomic<bool> claimed_{false};
  std::atomic<bool> decided_{false};
  std::atomic<bool> ending_{false};
  std::thread thread_;
};

TEST(SingleInstance, ARunningInstanceIsShownAndTheNewStartEnds) {
  Start first;
  ASSERT_EQ(first.Verdict(2000), true);
  HWND running = MakeRunningWindow(1);
  Start second;
  EXPECT_EQ(second.Verdict(4000), false);
  EXPECT_EQ(gAsked, 1);
  DestroyWindow(running);

  // Gone for good: the next start is the first again.
  first.End();
  second.End();
  Start third;
  EXPECT_EQ(third.Verdict(2000), true);
}

TEST(SingleInstance, AnEndingInstanceIsWaitedForAndReplaced) {
  auto first = std::make_unique<Start>();
  ASSERT_EQ(first->Verdict(2000), true);
  HWND ending = MakeRunningWindow(0);
  Start second;
  EXPECT_EQ(second.Verdict(300), std::nullopt) << "did not wait for the ending one";
  EXPECT_GE(gAsked, 1);
  DestroyWindow(ending);
  first.reset();  // lets go
  EXPECT_EQ(second.Verdict(2000), true) << "did not take over";

  // A holder with no window that never lets go (hung on its way out): the new start gives
  // up rather than run beside it.
  Start third;
  EXPECT_EQ(third.Verdict(8000), false);
}

TEST(SingleInstance, AClaimLeftByAProcessThatDiedIsTakenOver) {
  HANDLE left = nullptr;
  std::thread dying([&] { left = CreateMutexW(nullptr, TRUE, kTestMutex); });
  dying.join();  // its thread ends owning the mutex: abandoned
  ASSERT_NE(left, nullptr);
  Start next;
  EXPECT_EQ(next.Verdict(2000), true);
  next.End();
  CloseHandle(left);
}

// An elevated Tarnwick's mutex refuses a normal one. A mutex whose access list grants nothing
// refuses the same way.
TEST(SingleInstance, AClaimThatMayNotBeOpenedMeansAnotherRuns) {
  SECURITY_DESCRIPTOR descriptor{};
  ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ACL emptyList{};
  ASSERT_TRUE(InitializeAcl(&emptyList, sizeof(emptyList), ACL_REVISION));
  ASSERT_TRUE(SetSecurityDescriptorDacl(&descriptor, TRUE, &emptyList, FALSE));
  SECURITY_ATTRIBUTES attributes{sizeof(attributes), &descriptor, FALSE};
  const std::unique_ptr<void, decltype(&CloseHandle)> locked(
      CreateMutexW(&attributes, TRUE, kTestMutex), &CloseHandle);
  ASSERT_NE(locked, nullptr);
  SingleInstance probe(kTestMutex, kTestClass);
  if (probe.OpenLock() != InstanceSystem::Opened::kAccessDenied) {
    GTEST_SKIP() << "this system opens a mutex its access list refuses; the decision is "
                    "covered by InstanceClaim.ALockWeMayNotOpenMeansAnotherTarnwickRuns";
  }
  HWND running = MakeRunningWindow(1);
  Start second;
  EXPECT_EQ(second.Verdict(4000), false);
  EXPECT_EQ(gAsked, 1) << "the running one was not asked to show itself";
  DestroyWindow(running);
}

}  // namespace
}  // namespace tarnwick::win32
