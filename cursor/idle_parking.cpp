#include <optional>
#include <string>

#include "app/form1.h"
#include "common/number_text.h"
#include "cursor/position_text.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

namespace {

// The idle count starts again once it passes this, so it never overflows.
constexpr int kMaxIdleTicks = 1000000000;

// Ten ticks to a second.
constexpr double kIdleTicksPerSecond = 10;

// The idle delay in ticks, or nothing while the delay box holds no number (it is empty for
// a moment whenever the user retypes it).
std::optional<double> IdleThresholdTicks(const std::string& delayText) {
  const std::optional<double> delaySeconds = ParseNumber(delayText);
  if (!delaySeconds) return std::nullopt;
  return *delaySeconds * kIdleTicksPerSecond;
}

}  // namespace

void Form1::Check2_Click() {
  Timer8.SetEnabled(Check2.IsChecked());
  // Switched off while parked, the cursor stays where it is and nothing will put it back;
  // it stays ours only until the user moves it.
  if (!Check2.IsChecked()) CursorParked = false;
  SaveCheckSetting(kIdleParkingSetting, Check2);
}

void Form1::Timer8_Timer() {
  // A position the system cannot report (the secure desktop of a lock screen, say) would
  // read as 0, 0: counted as a rest it would later throw the cursor into the corner.
  const std::optional<std::string> read = module2_.ReadMousePosition();
  if (!read) return;
  const std::string pos = *read;
  const bool idle = pos == LastIdlePosition || pos == ScreenBounds;
  // Without a number in the delay box (the user is retyping it) there is no threshold to
  // park by; but a parked cursor the user reaches for must still come back.
  const std::optional<double> threshold = IdleThresholdTicks(Text2.Text());
  if (!threshold) {
    if (!idle && CursorParked) PutParkedCursorBack();
    if (!idle) IdleTicks = 0;
    LastIdlePosition = pos;
    return;
  }

  if (idle) {
    IdleTicks = IdleTicks + 1;
    if (IdleTicks > kMaxIdleTicks) IdleTicks = 0;
    // A game or a presentation in front keeps its cursor where it is: no park begins then.
    // Parked and still there: nothing to move, and no reason to measure the screen.
    const bool stillParked = CursorParked && pos == ScreenBounds;
    if (*threshold < IdleTicks && !stillParked && (CursorParked || !FullscreenProgramLeftAlone())) {
      PutCursor(ParkPoint(platform_.screen.Metrics(), Check5.IsChecked()));
      CursorParked = true;
      if (Timer8.tag.empty()) Timer8.tag = pos;
    }
  } else {
    if (*threshold < IdleTicks) PutParkedCursorBack();
    IdleTicks = 0;
    CursorParked = false;
  }
  LastIdlePosition = pos;
}

void Form1::PutParkedCursorBack() {
  // No saved position (a negative delay, or one lowered under the count just before this
  // movement): nothing to put back, so the cursor stays where the user moved it.
  if (const std::optional<Point> saved = ParsePositionText(Timer8.tag)) PutCursor(*saved);
  Timer8.tag.clear();
  CursorParked = false;
}

}  // namespace tarnwick
