#include "focus/options.h"

#include <iterator>

namespace tarnwick {
namespace {

// In the order of PauseKey.
constexpr const char* kPauseKeyNames[kPauseKeyCount] = {"None", "Ctrl", "Alt", "Shift", "Win"};

}  // namespace

const char* PauseKeyName(PauseKey key) {
  const auto index = static_cast<size_t>(key);
  return index < std::size(kPauseKeyNames) ? kPauseKeyNames[index] : kPauseKeyNames[0];
}

}  // namespace tarnwick
