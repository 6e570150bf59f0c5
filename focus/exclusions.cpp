#include "focus/exclusions.h"

#include <algorithm>
#include <optional>

namespace tarnwick {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The rule's kind, matched in any case ("Title:" is "title:").
bool StartsWithPrefix(std::string_view rule, std::string_view prefix) {
  return rule.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), rule.begin(),
                    [](char p, char r) { return p == (r >= 'A' && r <= 'Z' ? r - 'A' + 'a' : r); });
}

// Asked at most once per window, however many rules need the answer.
class LazyText {
 public:
  explicit LazyText(const std::function<std::string()>& fetch) : fetch_(fetch) {}
  const std::string& Get() {
    if (!value_) value_ = fetch_ ? fetch_() : std::string();
    return *value_;
  }

 private:
  const std::function<std::string()>& fetch_;
  std::optional<std::string> value_;
};

class AsciiRules : public TextRules {
 public:
  bool EqualIgnoringCase(std::string_view first, std::string_view second) override {
    return first.size() == second.size() && Contains(first, second);
  }
  bool ContainsIgnoringCase(std::string_view text, std::string_view part) override {
    return Contains(text, part);
  }

 private:
  static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
  static bool Contains(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return Lower(a) == Lower(b); }) != text.end() ||
           part.empty();
  }
};

}  // namespace

bool MatchesExclusion(const std::vector<std::string>& rules, const WindowFacts& window,
                      TextRules& text) {
  LazyText program(window.programFileName);
  LazyText className(window.className);
  LazyText title(window.title);
  constexpr std::string_view kClass = "class:", kTitle = "title:";
  for (const std::string& line : rules) {
    const std::string_view rule = Trimmed(line);
    if (StartsWithPrefix(rule, kClass)) {
      const std::string_view wanted = Trimmed(rule.substr(kClass.size()));
      if (!wanted.empty() && text.EqualIgnoringCase(className.Get(), wanted)) return true;
    } else if (StartsWithPrefix(rule, kTitle)) {
      const std::string_view wanted = Trimmed(rule.substr(kTitle.size()));
      if (!wanted.empty() && text.ContainsIgnoringCase(title.Get(), wanted)) return true;
    } else if (!rule.empty() && text.EqualIgnoringCase(program.Get(), rule)) {
      return true;
    }
  }
  return false;
}

bool MatchesExclusion(const std::vector<std::string>& rules, const WindowFacts& window) {
  AsciiRules ascii;
  return MatchesExclusion(rules, window, ascii);
}

}  // namespace tarnwick
