#include "focus/options.h"

#include <string>

namespace tarnwick {
namespace {

// In the order of RaiseMode.
constexpr const char* kRaiseModeNames[kRaiseModeCount] = {"AtOnce", "AfterDelay", "Never"};

// In the order of HoldKeyMode.
constexpr const char* kHoldKeyModeNames[kHoldKeyModeCount] = {"Pause", "Follow"};

// In the order of PauseKey.
constexpr const char* kPauseKeyNames[kPauseKeyCount] = {"None", "Ctrl", "Alt", "Shift", "Win"};

// The name of an enum's value, in a table in the enum's order; the first for a value past it.
template <class Enum, size_t N>
const char* NameIn(const char* const (&names)[N], Enum value) {
  const auto index = static_cast<size_t>(value);
  return index < N ? names[index] : names[0];
}

// The value a name gives in such a table; nothing for any other text (matched exactly).
template <class Enum, size_t N>
std::optional<Enum> ParseIn(const char* const (&names)[N], std::string_view name) {
  for (size_t i = 0; i < N; ++i) {
    if (name == names[i]) return static_cast<Enum>(i);
  }
  return std::nullopt;
}

}  // namespace

const char* PauseKeyName(PauseKey key) {
  return NameIn(kPauseKeyNames, key);
}

std::optional<PauseKey> ParsePauseKey(std::string_view name) {
  return ParseIn<PauseKey>(kPauseKeyNames, name);
}

const char* HoldKeyModeName(HoldKeyMode mode) {
  return NameIn(kHoldKeyModeNames, mode);
}

std::optional<HoldKeyMode> ParseHoldKeyMode(std::string_view name) {
  return ParseIn<HoldKeyMode>(kHoldKeyModeNames, name);
}

const char* RaiseModeName(RaiseMode mode) {
  return NameIn(kRaiseModeNames, mode);
}

std::optional<RaiseMode> ParseRaiseMode(std::string_view name) {
  return ParseIn<RaiseMode>(kRaiseModeNames, name);
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
