#include <optional>
#include <string>

#include "app/form1.h"
#include "cursor/position_text.h"

namespace tarnwick {

void Form1::Timer5_Timer() {
  // No input since the last tick: the cursor has not been pushed anywhere.
  if (wrapQuiet_.Quiet(platform_.windows.LastInputTime())) return;
  // A position the system cannot report would read as 0, 0 and look like the left edge.
  const std::optional<std::string> read = module2_.ReadMousePosition();
  if (!read) {
    wrapQuiet_.Forget();  // look again next tick, input or not
    return;
  }
  const std::string& text = *read;

  // A resting cursor is never wrapped, and costs no more than this read and comparison. A
  // cursor the program put at the edge itself (parked) did not arrive there by the user's push.
  if (text != LastPosition) {
    const std::optional<Point> position = ParsePositionText(text);
    if (position && !CursorIsOurs(*position)) {
      int x = position->x;
      int y = position->y;
      bool wrapped = true;
      // One edge a tick; a corner takes two ticks, the horizontal edge first. The targets
      // stay clear of the opposite edge so the cursor is not sent straight back.
      if (Check8.IsChecked() && x == 0) {
        x = MaxX - 1;
      } else if (x == MaxX && Check10.IsChecked()) {
        x = 1;
      } else if (Check11.IsChecked() && y == 0) {
        y = MaxY - 2;
      } else if (y == MaxY && Check12.IsChecked()) {
        y = 1;
      } else {
        wrapped = false;
      }
      // A game or a presentation in front owns the cursor: never throw it to another edge.
      if (wrapped && !FullscreenProgramLeftAlone()) {
        module2_.SetMousePosition(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
      }
    }
  }
  LastPosition = text;
}

}  // namespace tarnwick
