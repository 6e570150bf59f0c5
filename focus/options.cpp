#include "focus/options.h"

#include <string>

namespace tarnwick {
namespace {

// In the order of RaiseMode.
constexpr const char* kRaiseModeNames[kRaiseModeCount] = {"AtOnce", "AfterDelay", "Never"};

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

const char* RaiseModeName(RaiseMode mode) {
  const auto index = static_cast<size_t>(mode);
  return index < std::size(kRaiseModeNames) ? kRaiseModeNames[index] : kRaiseModeNames[0];
}

std::optional<RaiseMode> ParseRaiseMode(std::string_view name) {
  for (size_t i = 0; i < std::size(kRaiseModeNames); ++i) {
    if (name == kRaiseModeNames[i]) return static_cast<RaiseMode>(i);
  }
  return std::nullopt;
}

std::optional<int> ParseRaiseDelayMs(std::string_view text) {
  // Five digits hold every delay there is; a longer text would only overflow.
  if (text.empty() || text.size() > 5) return std::nullopt;
  int delayMs = 0;
  for (char digit : text) {
    if (digit < '0' || digit > '9') return std::nullopt;
    delayMs = delayMs * 10 + (digit - '0');
  }
  if (delayMs < kMinRaiseDelayMs || delayMs > kMaxRaiseDelayMs) return std::nullopt;
  return delayMs;
}

}  // namespace tarnwick
