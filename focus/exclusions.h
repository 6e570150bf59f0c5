#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "seam/text_rules.h"

namespace tarnwick {

// What an exclusion rule may ask of a window; each is fetched only when a rule needs it.
struct WindowFacts {
  std::function<std::string()> programFileName;
  std::function<std::string()> className;
  std::function<std::string()> title;
};

// Whether a window matches one of the rules, one rule a line: a program's file name
// ("game.exe"), "class:" and a window class, or "title:" and text the title contains.
// Windows compares file and class names without regard to case, and so do the rules; a
// title matches in any case too, since people rarely remember how a title is written. The
// system says what case means, in every script.
bool MatchesExclusion(const std::vector<std::string>& rules, const WindowFacts& window,
                      TextRules& text);
// Until the poll hands over the system's rules: case ignored in ASCII letters only.
bool MatchesExclusion(const std::vector<std::string>& rules, const WindowFacts& window);

}  // namespace tarnwick
