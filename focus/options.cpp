#include "focus/options.h"

#include <string>

namespace tarnwick {
namespace {

// In the order of PauseKey.
constexpr const char* kPauseKeyNames[kPauseKeyCount] = {"None", "Ctrl", "Alt", "Shift", "Win"};

}  // namespace

const char* PauseKeyName(PauseKey key) {
  const auto index = static_cast<size_t>(key);
  return index < std::size(kPauseKeyNames) ? kPauseKeyNames[index] : kPauseKeyNames[0];
}

std::optional<PauseKey> ParsePauseKey(std::string_view name) {
  for (size_t i = 0; i < std::size(kPauseKeyNames); ++i) {
    if (name == kPauseKeyNames[i]) return static_cast<PauseKey>(i);
  }
  return std::nullopt;
}

}  // namespace tarnwick
