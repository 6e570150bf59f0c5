#pragma once
#include <string_view>

namespace tarnwick {

// How the system compares text the user wrote with text it reports (file, class and window
// names), in UTF-8. Case is ignored letter by letter in every script, as Windows ignores it
// in file and class names: no letter turns into two ("ß" is not "SS") and no language's
// own rules apply.
class TextRules {
 public:
  virtual ~TextRules() = default;
  virtual bool EqualIgnoringCase(std::string_view first, std::string_view second) = 0;
  // Whether `part` appears in `text`; an empty part appears in every text.
  virtual bool ContainsIgnoringCase(std::string_view text, std::string_view part) = 0;
};

}  // namespace tarnwick
