#include "win32/system_key_activity.h"

#include <atomic>
#include <utility>

#include "win32/window_handle_cast.h"

namespace tarnwick::win32 {
namespace {

// The hook procedure has no context argument. Written on the UI thread while noting starts or
// stops, read (and the key's time written) on the hook's thread.
std::atomic<bool> gNoting{false};
std::atomic<bool> gPostBursts{false};
std::atomic<HWND> gTarget{nullptr};
std::atomic<UINT> gMessage{0};
std::atomic<bool> gKeyNoted{false};
std::atomic<DWORD> gLastKeyTick{0};

// The system stamps the last input a little after the hook hears the key (the next tick of
// its clock, at worst): input that late is the key's own.
constexpr LONG kInputClockSlackMs = 50;

}  // namespace

SystemKeyActivity::SystemKeyActivity(HWND mainWindow, UINT message) {
  gTarget = mainWindow;
  gMessage = message;
}

SystemKeyActivity::~SystemKeyActivity() {
  gNoting = false;
  gPostBursts = false;
}

void SystemKeyActivity::NoteKeys(bool note, BurstListener onBurst) {
  onBurst_ = note ? std::move(onBurst) : nullptr;
  gKeyNoted = false;
  gPostBursts = static_cast<bool>(onBurst_);
  gNoting = note;
}

void SystemKeyActivity::KeyEvent() {
  if (!gNoting.load(std::memory_order_relaxed)) return;
  const DWORD now = GetTickCount();
  const DWORD before = gLastKeyTick.exchange(now);
  const bool first = !gKeyNoted.exchange(true);
  if (gPostBursts && (first || now - before >= static_cast<DWORD>(kBurstGapMs))) {
    // Asked here, before the key reaches any program: the window the burst began in.
    PostMessageW(gTarget.load(), gMessage.load(), reinterpret_cast<WPARAM>(GetForegroundWindow()),
                 0);
  }
}

std::optional<int> SystemKeyActivity::MsSinceLastKey() {
  if (!gNoting || !gKeyNoted) return std::nullopt;
  return static_cast<int>(GetTickCount() - gLastKeyTick.load());
}

bool SystemKeyActivity::OtherInputSinceLastKey() {
  LASTINPUTINFO input{};
  input.cbSize = sizeof(input);
  if (!GetLastInputInfo(&input)) return false;
  // Ticks wrap after 49 days: the difference, read signed, still says which came later.
  return static_cast<LONG>(input.dwTime - gLastKeyTick.load()) > kInputClockSlackMs;
}

void SystemKeyActivity::BurstPosted(WPARAM foregroundAtFirstKey) {
  if (onBurst_) onBurst_(FromHwnd(reinterpret_cast<HWND>(foregroundAtFirstKey)));
}

}  // namespace tarnwick::win32
