// Helper for bench/cpu-benchmark.sh, run inside the same Wine desktop as Tarnwick:
//   bench_driver cursor X Y                  move the cursor and exit
//   bench_driver where                       print the cursor position
//   bench_driver foreground                  print the foreground window's title
//   bench_driver window X Y W H SECONDS [T]  show a window titled T for a while
//   bench_driver shown CLASS...              print when a visible window of each class appears
//   bench_driver latency COUNT               time cursor-rest-to-foreground COUNT times
//   bench_driver raise COUNT                 time rest-to-keyboard and keyboard-to-front on a
//                                            window half under another, COUNT times
//   bench_driver wander SECONDS              move the cursor as a hand does, for a while
//   bench_driver type COUNT                  type COUNT letters into a window of its own
//   bench_driver calls NAME[,NAME] COUNT     make these system calls COUNT times, print the
//                                            time a round took
//   bench_driver ticks MS SECONDS NAME[,NAME] a timer every MS that makes these calls ("-" for
//                                            none): what a tick made of them costs
// The last two take a timer tick apart; the CPU is read per process from outside.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

namespace {

// The cursor moved as a hand moves it: a position plus an input event that moves nothing,
// since SetCursorPos alone makes no input and Tarnwick's idle poll asks the input time first.
void HandMoves(int x, int y) {
  SetCursorPos(x, y);
  INPUT nudge{};
  nudge.type = INPUT_MOUSE;
  nudge.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &nudge, sizeof(INPUT));
}

void PumpFor(DWORD durationMs) {
  const ULONGLONG end = GetTickCount64() + durationMs;
  while (GetTickCount64() < end) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    // cppcheck-suppress nullPointer ; no handles: wait for messages only
    MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

HWND MakeWindow(const wchar_t* title, int x, int y, int width, int height) {
  HWND window = CreateWindowW(L"STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                              height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return window;
}

POINT CenterOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// The wall clock in Unix milliseconds: Wine reads the same clock as `date +%s%N`, so the
// script can subtract the moment it started a program.
double UnixMs() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  constexpr ULONGLONG kUnixEpochTicks = 116444736000000000ULL;  // 1970 in 100 ns since 1601
  return static_cast<double>(ticks - kUnixEpochTicks) / 10000.0;
}

// Says "ready" once it watches, then "shown CLASS <Unix ms>" for each class as its first
// visible top-level window appears ("shown CLASS timeout" after 60 s). Polls every
// millisecond or so: a start takes hundreds.
int Shown(int count, wchar_t** classes) {
  std::vector<bool> seen(static_cast<size_t>(count), false);
  int left = count;
  std::printf("ready\n");
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + 60000;
  while (left > 0 && GetTickCount64() < end) {
    for (int index = 0; index < count; ++index) {
      if (seen[index]) continue;
      HWND window = FindWindowW(classes[index], nullptr);
      if (window == nullptr || !IsWindowVisible(window)) continue;
      seen[index] = true;
      --left;
      std::printf("shown %ls %.1f\n", classes[index], UnixMs());
      std::fflush(stdout);
    }
    Sleep(1);
  }
  for (int index = 0; index < count; ++index) {
    if (!seen[index]) std::printf("shown %ls timeout\n", classes[index]);
  }
  return left == 0 ? 0 : 1;
}

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Alternates the resting cursor between two windows (away from Tarnwick's own window, which
// opens at the top left) and times each until it is the foreground window.
int Latency(int count) {
  // Start from the bare desktop, so that no cycle is already under way when timing begins.
  HandMoves(790, 420);
  HWND windows[2] = {MakeWindow(L"Latency A", 560, 440, 110, 110),
                     MakeWindow(L"Latency B", 680, 440, 110, 110)};
  PumpFor(1500);
  std::vector<double> samples;
  std::minstd_rand random(20240607);  // fixed: runs differ by the machine, not the pauses
  // The first round only brings both windows into a known state; it is not counted.
  int disturbed = 0;
  for (int index = -1; index < count && disturbed < count; ++index) {
    HWND target = windows[(index + 2) % 2];
    HWND other = windows[(index + 3) % 2];
    // Rest on the other window first. Under Wine a SetCursorPos is now and then undone a
    // little later (the X pointer stayed behind), which starts a cycle somewhere else; such a
    // round would time something else, so it is noted and run again.
    const POINT rest = CenterOf(other);
    HandMoves(rest.x, rest.y);
    SetForegroundWindow(other);
    bool moved = false;
    for (int step = 0; step < 60; ++step) {
      PumpFor(10);
      POINT now{};
      GetCursorPos(&now);
      if (!moved && (now.x != rest.x || now.y != rest.y)) {
        std::printf("cursor put back from %ld,%ld to %ld,%ld\n", rest.x, rest.y, now.x, now.y);
        moved = true;
      }
    }
    if (moved || GetForegroundWindow() != other) {
      ++disturbed;
      --index;
      continue;
    }
    // Rounds of equal length would land at the same point of Tarnwick's 250 ms poll every
    // time and show one latency over and over: a random pause spreads the arrivals over it.
    PumpFor(std::uniform_int_distribution<DWORD>(0, 249)(random));
    const POINT spot = CenterOf(target);
    HandMoves(spot.x, spot.y);
    const double start = NowMs();
    while (GetForegroundWindow() != target && NowMs() - start < 20000) PumpFor(1);
    const double elapsed = NowMs() - start;
    if (index >= 0) {
      samples.push_back(elapsed);
      std::printf("sample %d %.1f\n", index, elapsed);
    }
    PumpFor(300);
  }
  if (samples.empty()) return 1;
  std::printf("disturbed rounds run again: %d\n", disturbed);
  std::sort(samples.begin(), samples.end());
  std::printf("latency_ms min %.1f median %.1f max %.1f\n", samples.front(),
              samples[samples.size() / 2], samples.back());
  return 0;
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

double Median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Rests the cursor on the uncovered part of a window half under another and times how long
// until it has the keyboard, and from then until it is in front for good (still there 3 s
// later; else "never"), and for how long it showed in front before that (a flash).
// Which of them happens is Tarnwick's stored raise choice.
int Raise(int count) {
  HandMoves(790, 420);
  HWND under = MakeWindow(L"Raise Under", 480, 400, 160, 120);
  HWND over = MakeWindow(L"Raise Over", 560, 400, 160, 120);
  PumpFor(1500);
  std::vector<double> keyboard, front, flash;
  std::minstd_rand random(20240607);
  int disturbed = 0;
  for (int index = 0; index < count && disturbed < count; ++index) {
    HandMoves(790, 420);
    SetForegroundWindow(over);
    SetWindowPos(over, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // Under Wine a Z-order change now and then puts the cursor back where the X pointer
    // stayed, which starts a cycle on the window under it: such a round is run again.
    bool putBack = false;
    for (int step = 0; step < 80 + std::uniform_int_distribution<int>(0, 25)(random); ++step) {
      PumpFor(10);
      POINT now{};
      GetCursorPos(&now);
      putBack = putBack || (step >= 10 && (now.x != 790 || now.y != 420));
    }
    if (putBack || GetForegroundWindow() != over) {
      ++disturbed;
      --index;
      continue;
    }
    HandMoves(500, 470);
    const double start = NowMs();
    while (GetForegroundWindow() != under && NowMs() - start < 5000) PumpFor(1);
    const double focused = NowMs();
    double inFrontSince = -1, shownMs = 0, last = focused;
    while (NowMs() - focused < 3000) {
      PumpFor(1);
      const double now = NowMs();
      if (IsAbove(under, over)) {
        if (inFrontSince < 0) inFrontSince = now;
        shownMs += now - last;
      } else {
        inFrontSince = -1;
      }
      last = now;
    }
    keyboard.push_back(focused - start);
    std::printf("sample %d keyboard %.1f", index, focused - start);
    if (inFrontSince >= 0) {
      front.push_back(inFrontSince - focused);
      std::printf(" front %.1f\n", inFrontSince - focused);
    } else {
      flash.push_back(shownMs);
      std::printf(" front never (shown in front %.1f ms)\n", shownMs);
    }
  }
  std::printf("disturbed rounds run again: %d\n", disturbed);
  std::printf("raise_ms keyboard median %.1f front median %.1f (%zu of %d); flash median %.1f\n",
              Median(keyboard), Median(front), front.size(), count, Median(flash));
  return 0;
}

// The cursor kept moving around a loop on the bare desktop below Tarnwick's window, a step
// every frame at 60 Hz as a hand moves a mouse, clear of the screen's edges and corners so
// that neither wrap nor parking ever fires.
int Wander(int seconds) {
  constexpr int kLeft = 440, kTop = 460, kRight = 760, kBottom = 560, kStep = 6;
  constexpr int kLoop = 2 * (kRight - kLeft) + 2 * (kBottom - kTop);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  for (int along = 0; GetTickCount64() < end; along = (along + kStep) % kLoop) {
    int x = kLeft, y = kTop;
    if (along < kRight - kLeft) {
      x += along;
    } else if (along < kRight - kLeft + kBottom - kTop) {
      x = kRight;
      y += along - (kRight - kLeft);
    } else if (along < 2 * (kRight - kLeft) + kBottom - kTop) {
      x = kRight - (along - (kRight - kLeft) - (kBottom - kTop));
      y = kBottom;
    } else {
      y = kBottom - (along - 2 * (kRight - kLeft) - (kBottom - kTop));
    }
    HandMoves(x, y);
    PumpFor(16);
  }
  return 0;
}

// Letters typed as a hand types them, one every 60 ms, into an edit box of the driver's own
// in front, with the mouse left alone: what each key costs the programs that hook the keyboard.
int Type(int count) {
  HWND window = CreateWindowW(L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 440, 440, 300, 120,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window);
  SetFocus(window);
  PumpFor(500);
  for (int letter = 0; letter < count; ++letter) {
    INPUT keys[2]{};
    for (INPUT& key : keys) {
      key.type = INPUT_KEYBOARD;
      key.ki.wVk = static_cast<WORD>('A' + letter % 26);
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    PumpFor(60);
  }
  DestroyWindow(window);
  return 0;
}

// The calls Tarnwick's timers make, by name, each on its own.
struct CallState {
  POINT cursor{};
  MSG message{};
  LASTINPUTINFO lastInput{sizeof(LASTINPUTINFO), 0};
};

struct NamedCall {
  const wchar_t* name;
  void (*call)(CallState&);
};

constexpr NamedCall kCalls[] = {
    {L"GetCursorPos", [](CallState& state) { GetCursorPos(&state.cursor); }},
    {L"SetCursorPos", [](CallState& state) { SetCursorPos(state.cursor.x, state.cursor.y); }},
    {L"PeekMessageW",
     [](CallState& state) { PeekMessageW(&state.message, nullptr, 0, WM_TIMER - 1, PM_REMOVE); }},
    {L"PeekMessageW-NOYIELD",
     [](CallState& state) {
       PeekMessageW(&state.message, nullptr, 0, WM_TIMER - 1, PM_REMOVE | PM_NOYIELD);
     }},
    {L"GetQueueStatus", [](CallState&) { GetQueueStatus(QS_ALLINPUT); }},
    {L"GetLastInputInfo", [](CallState& state) { GetLastInputInfo(&state.lastInput); }},
    {L"GetSystemMetrics", [](CallState&) { GetSystemMetrics(SM_CXSCREEN); }},
    {L"WindowFromPoint", [](CallState& state) { WindowFromPoint(state.cursor); }},
};

// The calls named in a comma-separated list, in order; nothing when one is unknown.
std::vector<const NamedCall*> FindCalls(const wchar_t* list) {
  std::vector<const NamedCall*> found;
  std::wstring text(list);
  for (size_t start = 0; start <= text.size();) {
    const size_t end = std::min(text.find(L',', start), text.size());
    const std::wstring name = text.substr(start, end - start);
    start = end + 1;
    if (name.empty()) continue;
    const NamedCall* match = nullptr;
    for (const NamedCall& call : kCalls) {
      if (name == call.name) match = &call;
    }
    if (match == nullptr) {
      std::fprintf(stderr, "unknown call %ls\n", name.c_str());
      return {};
    }
    found.push_back(match);
  }
  return found;
}

// Makes the listed calls COUNT times in a row and prints the wall time per round.
int Calls(const wchar_t* list, int count) {
  const std::vector<const NamedCall*> calls = FindCalls(list);
  if (calls.empty()) return 2;
  CallState state;
  GetCursorPos(&state.cursor);
  const double start = NowMs();
  for (int index = 0; index < count; ++index) {
    for (const NamedCall* call : calls) call->call(state);
  }
  std::printf("%ls %d rounds, %.2f us each\n", list, count, 1000.0 * (NowMs() - start) / count);
  return 0;
}

// A do-nothing program whose timer makes the listed calls on every tick, for SECONDS: what
// a tick of Tarnwick's would cost if it were made of these calls.
int Ticks(int intervalMs, int seconds, const wchar_t* list) {
  const std::vector<const NamedCall*> calls = FindCalls(list);
  if (calls.empty() && std::wcscmp(list, L"-") != 0) return 2;
  CallState state;
  GetCursorPos(&state.cursor);
  HWND window = CreateWindowW(L"STATIC", L"Ticks", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOWMINNOACTIVE);
  SetTimer(window, 1, static_cast<UINT>(intervalMs), nullptr);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  MSG message;
  while (GetTickCount64() < end && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) {
      for (const NamedCall* call : calls) call->call(state);
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"cursor") == 0) {
    HandMoves(_wtoi(argv[2]), _wtoi(argv[3]));
    return 0;
  }
  if (argc == 2 && std::wcscmp(argv[1], L"where") == 0) {
    POINT now{};
    if (!GetCursorPos(&now)) return 1;
    std::printf("%ld %ld\n", now.x, now.y);
    return 0;
  }
  if (argc == 2 && std::wcscmp(argv[1], L"foreground") == 0) {
    wchar_t title[256] = L"";
    GetWindowTextW(GetForegroundWindow(), title, 256);
    std::printf("%ls\n", title);
    return 0;
  }
  if ((argc == 7 || argc == 8) && std::wcscmp(argv[1], L"window") == 0) {
    const wchar_t* title = argc == 8 ? argv[7] : L"Hover target";
    MakeWindow(title, _wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]));
    PumpFor(static_cast<DWORD>(_wtoi(argv[6])) * 1000);
    return 0;
  }
  if (argc >= 3 && std::wcscmp(argv[1], L"shown") == 0) return Shown(argc - 2, argv + 2);
  if (argc == 3 && std::wcscmp(argv[1], L"latency") == 0) return Latency(_wtoi(argv[2]));
  if (argc == 3 && std::wcscmp(argv[1], L"raise") == 0) return Raise(_wtoi(argv[2]));
  if (argc == 3 && std::wcscmp(argv[1], L"wander") == 0) return Wander(_wtoi(argv[2]));
  if (argc == 3 && std::wcscmp(argv[1], L"type") == 0) return Type(_wtoi(argv[2]));
  if (argc == 4 && std::wcscmp(argv[1], L"calls") == 0) return Calls(argv[2], _wtoi(argv[3]));
  if (argc == 5 && std::wcscmp(argv[1], L"ticks") == 0) {
    return Ticks(_wtoi(argv[2]), _wtoi(argv[3]), argv[4]);
  }
  std::fprintf(
      stderr,
      "usage: bench_driver cursor X Y | where | foreground | window X Y W H S [TITLE]"
      " | shown CLASS... | latency N | wander S | type N | calls NAMES N | ticks MS S NAMES\n");
  return 2;
}
