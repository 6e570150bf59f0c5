#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/product.h"
#include "app/settings.h"
#include "common/number_text.h"
#include "focus/hover_delay.h"
#include "fuzz/checks/checks.h"
#include "fuzz/checks/fuzz_input.h"
#include "sim/sim_system.h"

// The input, split at NUL bytes, is read as:
//   one field per entry of kAllSettings, in its order (a field of the single byte 0xFF, or
//   one past the input's end, leaves the entry out of the store);
//   one field per junk key below, the same way;
//   one field of cursor moves, two bytes a move (x, y scaled to the 800x600 screen), made
//   every 150 ms from 100 ms on; without that field a fixed round of the four edges.
// The program then starts and runs for ten virtual seconds; a last move at 9.6 s follows a
// rest long enough for idle parking.

namespace tarnwick::fuzz {
namespace {

using sim::SimDesktop;
using sim::SimSettings;
using sim::SimSystem;

constexpr std::string_view kAbsent = "\xff";

// Values the program never reads: start-up must leave them as they are.
constexpr std::array<std::pair<const char*, const char*>, 4> kJunkKeys{{
    {"startup", "minimised"},
    {"options", "Toggle "},
    {"Delay", ""},
    {"stale", "Interval"},
}};

constexpr int kScreenWidthPx = 800;
constexpr int kScreenHeightPx = 600;
constexpr std::size_t kMaxMoves = 24;
constexpr std::int64_t kFirstMoveMs = 100;
constexpr std::int64_t kMoveEveryMs = 150;
constexpr std::int64_t kLastMoveMs = 9600;
constexpr std::int64_t kRunMs = 10000;

constexpr unsigned char kEdgeRound[] = {128, 128, 0, 128, 255, 128, 128, 0, 128, 255, 64, 64};

// Two programs side by side, one with a child control, and the taskbar along the bottom,
// which is returned.
WindowHandle FurnishDesktop(SimDesktop& desktop) {
  const WindowHandle notes = desktop.AddWindow("Notes", {0, 0, 400, 560});
  desktop.Window(notes).programFileName = "notes.exe";
  desktop.Window(notes).className = "NotesWindow";
  desktop.AddWindow("", {10, 10, 200, 200}, notes);
  const WindowHandle game = desktop.AddWindow("Game", {400, 0, 800, 560});
  desktop.Window(game).programFileName = "game.exe";
  desktop.Window(game).className = "GameWindow";
  const WindowHandle taskbar = desktop.AddWindow("", {0, 560, 800, 600});
  desktop.Window(taskbar).shell = true;
  desktop.Window(taskbar).topmost = true;
  desktop.Window(taskbar).className = "Shell_TrayWnd";
  return taskbar;
}

SimSettings::Key KeyOf(const char* section, const char* key) {
  return {kApplicationName, section, key};
}

// The values start-up may write: the check boxes' states and the disabled flag.
bool StartUpMayWrite(const SimSettings::Key& key) {
  for (const Setting* setting :
       {&kRunMinimizedSetting, &kDisabledSetting, &kIdleParkingSetting, &kLaunchAtLogonSetting,
        &kTaskbarAllowanceSetting, &kLeftWrapSetting, &kRightWrapSetting, &kTopWrapSetting,
        &kBottomWrapSetting, &kMouseWrapAtStartSetting}) {
    if (key == KeyOf(setting->section, setting->key)) return true;
  }
  return false;
}

bool IsKnownKey(const SimSettings::Key& key) {
  for (const Setting* setting : kAllSettings) {
    if (key == KeyOf(setting->section, setting->key)) return true;
  }
  return std::any_of(kJunkKeys.begin(), kJunkKeys.end(),
                     [&](const auto& junk) { return key == KeyOf(junk.first, junk.second); });
}

std::string ShownKey(const SimSettings::Key& key) {
  return std::get<1>(key) + "\\" + std::get<2>(key);
}

// Fills the store from the input; returns the field of cursor moves.
std::string_view FillStore(SimSettings& settings, std::string_view input) {
  const std::vector<std::string_view> fields = SplitAtNul(input);
  std::size_t next = 0;
  const auto store = [&](const char* section, const char* key) {
    if (next < fields.size() && fields[next] != kAbsent) {
      settings.stored[KeyOf(section, key)] = std::string(fields[next]);
    }
    ++next;
  };
  for (const Setting* setting : kAllSettings) store(setting->section, setting->key);
  for (const auto& [section, key] : kJunkKeys) store(section, key);
  if (next < fields.size()) return fields[next];
  return {reinterpret_cast<const char*>(kEdgeRound), sizeof kEdgeRound};
}

void ScriptMoves(SimDesktop& desktop, std::string_view moves) {
  const std::size_t count = std::min(moves.size() / 2, kMaxMoves);
  for (std::size_t i = 0; i < count; ++i) {
    const auto x = static_cast<unsigned char>(moves[2 * i]);
    const auto y = static_cast<unsigned char>(moves[2 * i + 1]);
    const Point to{x * (kScreenWidthPx - 1) / 255, y * (kScreenHeightPx - 1) / 255};
    desktop.At(kFirstMoveMs + static_cast<std::int64_t>(i) * kMoveEveryMs,
               [&desktop, to] { desktop.UserMovesCursor(to); });
  }
  desktop.At(kLastMoveMs, [&desktop] { desktop.UserMovesCursor({300, 300}); });
}

// "Exactly a checked value": a number that rounds to 1.
bool StoredChecked(const std::optional<std::string>& stored) {
  const std::optional<double> value =
      ParseNumber(stored.value_or(kRunMinimizedSetting.defaultValue));
  return value && *value > 0.5 && *value < 1.5;
}

std::string CheckWindowAndTray(const Form1& form, const SimSystem& sim, bool minimized) {
  if (form.Ended() || sim.desktop.QuitCalled()) return "the program ended by itself";
  if (sim.form.visible == minimized) {
    return minimized ? "the window shows although it starts minimised"
                     : "the window is hidden although it does not start minimised";
  }
  if (sim.shell.trayIcons.size() > 1) {
    return std::to_string(sim.shell.trayIcons.size()) + " tray icons";
  }
  if (!sim.form.visible && sim.shell.trayIcons.empty()) {
    return "the window is hidden with no tray icon to bring it back";
  }
  return {};
}

std::string CheckControls(const Form1& form, const std::optional<std::string>& storedDelay) {
  for (const CheckBox* box : {&form.Check1, &form.Check2, &form.Check4, &form.Check5, &form.Check7,
                              &form.Check8, &form.Check10, &form.Check11, &form.Check12}) {
    if (box->Value() < kUnchecked || box->Value() > kGreyed) {
      return box->Name() + " holds " + std::to_string(box->Value());
    }
  }
  const HoverDelay shown = CheckHoverDelay(form.Text1.Text());
  if (shown.verdict != HoverDelayVerdict::kAccepted ||
      shown.intervalMs != form.Timer2.IntervalMs()) {
    return "the delay box shows " + Quoted(form.Text1.Text()) + " with a wait of " +
           std::to_string(form.Timer2.IntervalMs()) + " ms";
  }
  const HoverDelay stored = CheckHoverDelay(storedDelay.value_or(kDefaultHoverDelayText));
  const std::string expected = stored.verdict == HoverDelayVerdict::kAccepted
                                   ? std::to_string(stored.intervalMs)
                                   : kDefaultHoverDelayText;
  if (form.Text1.Text() != expected) {
    return "the delay box shows " + Quoted(form.Text1.Text()) + ", not " + Quoted(expected);
  }
  return {};
}

// Nothing stored is lost: start-up rewrites only a check box's state (as "0" or "1") and
// adds only entries of the layout.
std::string CheckStore(const std::map<SimSettings::Key, std::string>& before,
                       const SimSettings& settings) {
  for (const auto& [key, value] : before) {
    const auto after = settings.stored.find(key);
    if (after == settings.stored.end()) return ShownKey(key) + " was removed";
    if (after->second == value) continue;
    if (!StartUpMayWrite(key) || (after->second != "0" && after->second != "1")) {
      return ShownKey(key) + " went from " + Quoted(value) + " to " + Quoted(after->second);
    }
  }
  for (const auto& [key, value] : settings.stored) {
    if (!IsKnownKey(key)) return ShownKey(key) + " was written, which nothing reads";
  }
  return {};
}

}  // namespace

std::string CheckStartUp(std::string_view input) {
  SimSystem sim;
  SimDesktop& desktop = sim.desktop;
  desktop.SetScreenPixels(kScreenWidthPx, kScreenHeightPx);
  const WindowHandle taskbar = FurnishDesktop(desktop);
  const std::string_view moves = FillStore(sim.settings, input);
  const std::map<SimSettings::Key, std::string> storedBefore = sim.settings.stored;
  const bool minimized =
      StoredChecked(sim.settings.Setting(kRunMinimizedSetting.section, kRunMinimizedSetting.key));
  const std::optional<std::string> storedDelay =
      sim.settings.Setting(kHoverDelaySetting.section, kHoverDelaySetting.key);

  Platform platform = sim.AsPlatform();
  Form1 form(platform);
  form.Start();
  ScriptMoves(desktop, moves);
  desktop.RunFor(kRunMs);

  std::string broken = CheckWindowAndTray(form, sim, minimized);
  if (broken.empty()) broken = CheckControls(form, storedDelay);
  if (broken.empty()) broken = CheckStore(storedBefore, sim.settings);
  if (broken.empty()) {
    const std::vector<WindowHandle>& activated = desktop.Activations();
    if (std::find(activated.begin(), activated.end(), taskbar) != activated.end()) {
      broken = "the taskbar was brought to the foreground";
    }
  }
  return broken;
}

}  // namespace tarnwick::fuzz
