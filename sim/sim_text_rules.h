#pragma once
#include <string_view>

#include "seam/text_rules.h"

namespace tarnwick::sim {

// The system's comparison as Windows makes it (ordinal, case ignored letter by letter),
// for the letters a test needs: ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic.
class SimTextRules : public TextRules {
 public:
  bool EqualIgnoringCase(std::string_view first, std::string_view second) override;
  bool ContainsIgnoringCase(std::string_view text, std::string_view part) override;
};

}  // namespace tarnwick::sim
