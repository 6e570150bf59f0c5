#include "win32/system_text_rules.h"

#include <climits>
#include <string>

#include "win32/text_conversion.h"

namespace tarnwick::win32 {
namespace {

// Texts too long for a count in an int compare as different, and contain nothing.
bool Fits(const std::wstring& text) {
  return text.size() <= static_cast<size_t>(INT_MAX);
}

}  // namespace

bool SystemTextRules::EqualIgnoringCase(std::string_view first, std::string_view second) {
  const std::wstring a = Widen(std::string(first));
  const std::wstring b = Widen(std::string(second));
  if (!Fits(a) || !Fits(b)) return false;
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool SystemTextRules::ContainsIgnoringCase(std::string_view text, std::string_view part) {
  if (part.empty()) return true;
  const std::wstring source = Widen(std::string(text));
  const std::wstring value = Widen(std::string(part));
  if (!Fits(source) || !Fits(value) || value.size() > source.size()) return false;
  // -1 when it is not there, or when the call failed.
  return FindStringOrdinal(FIND_FROMSTART, source.c_str(), static_cast<int>(source.size()),
                           value.c_str(), static_cast<int>(value.size()), TRUE) >= 0;
}

}  // namespace tarnwick::win32
