#pragma once

namespace tarnwick {

// The primary screen as the program measures it: size in twips and twips per pixel.
struct ScreenMetrics {
  double widthTwips = 0;
  double heightTwips = 0;
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
};

class Screen {
 public:
  virtual ~Screen() = default;
  virtual ScreenMetrics Metrics() = 0;
};

}  // namespace tarnwick
