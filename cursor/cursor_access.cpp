#include "cursor/cursor_access.h"

#include <cmath>
#include <limits>

#include "cursor/position_text.h"

namespace tarnwick {
namespace {

// The title buffer holds 255 characters, the last one the terminator.
constexpr int kTitleBufferChars = 255;

int NearestWhole(float value) {
  const double rounded = std::nearbyint(static_cast<double>(value));  // ties go to even
  if (std::isnan(rounded)) return 0;
  if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

}  // namespace

Point CMouse::Read(bool* readOk) const {
  Point position{};  // zero-filled, so a position the system cannot report reads as 0, 0
  const bool ok = windows_.CursorPosition(position);
  if (readOk != nullptr) *readOk = ok;
  return position;
}

Point CMouse::Position(bool* readOk) const {
  return Read(readOk);
}

float CMouse::X(bool* readOk) const {
  return static_cast<float>(Read(readOk).x);
}

float CMouse::Y(bool* readOk) const {
  return static_cast<float>(Read(readOk).y);
}

void CMouse::X(float newX) {
  const Point current = Read(nullptr);
  windows_.MoveCursor({NearestWhole(newX), current.y});
}

void CMouse::Y(float newY) {
  const Point current = Read(nullptr);
  windows_.MoveCursor({current.x, NearestWhole(newY)});
}

std::string CMouse::WindowOver(float x, float y) const {
  const WindowHandle window = windows_.WindowFromPoint({NearestWhole(x), NearestWhole(y)});
  if (window == kNoWindow) return {};
  return windows_.WindowTitle(window, kTitleBufferChars);
}

CMouse& Module2::Mouse() {
  if (!mouse_) mouse_.emplace(windows_);
  return *mouse_;
}

void Module2::SetMousePosition(std::int16_t x, std::int16_t y) {
  Mouse().X(static_cast<float>(x));
  Mouse().Y(static_cast<float>(y));
}

std::string Module2::GetMousePosition() {
  bool read = false;
  return ReadText(read);
}

std::optional<std::string> Module2::ReadMousePosition() {
  bool read = false;
  std::string text = ReadText(read);
  if (!read) return std::nullopt;
  return text;
}

std::string Module2::ReadText(bool& read) {
  // One query for both numbers: two would tear when the cursor moves between them, and
  // each costs a round trip to the window manager.
  return PositionText(Mouse().Position(&read));
}

}  // namespace tarnwick
