#pragma once
#include <optional>

#include "cursor/desktop_shape.h"
#include "seam/screen.h"

namespace tarnwick {

// The desktop's shape, kept between looks. Reading it walks the monitors and asks each one's
// scaling, which a wrap looking ten times a second while the mouse moves would pay again and
// again for a layout that hardly ever changes. It is read again when the system says the
// displays, the scaling or the settings changed, and whenever the number of monitors differs
// from the last look: Wine switches an output off without a word, and only the count tells.
class DesktopLayout {
 public:
  explicit DesktopLayout(Screen& screen) : screen_(screen) {}

  const DesktopShape& Current();
  // The system said the displays, the scaling or the settings changed.
  void SystemChanged() { stale_ = true; }

 private:
  Screen& screen_;
  std::optional<DesktopShape> shape_;
  int monitorCount_ = 0;  // what the system counted when the shape was read
  bool stale_ = true;
};

}  // namespace tarnwick
