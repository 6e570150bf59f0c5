#pragma once
#include "seam/text_rules.h"

namespace tarnwick::win32 {

// The system's own ordinal comparison, case ignored: what it uses for file and class names.
class SystemTextRules : public TextRules {
 public:
  bool EqualIgnoringCase(std::string_view first, std::string_view second) override;
  bool ContainsIgnoringCase(std::string_view text, std::string_view part) override;
};

}  // namespace tarnwick::win32
