#include "cursor/screen_bounds.h"

namespace tarnwick {

Point WrapLimits(const ScreenMetrics& metrics) {
  return {metrics.widthPx - 1, metrics.heightPx - 1};
}

}  // namespace tarnwick
