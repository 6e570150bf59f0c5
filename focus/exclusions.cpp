#include "focus/exclusions.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace tarnwick {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Asked at most once per window, however many rules need the answer.
class LazyText {
 public:
  explicit LazyText(const std::function<std::string()>& fetch) : fetch_(fetch) {}
  const std::string& Get() {
    if (!value_) value_ = fetch_ ? Lower(fetch_()) : std::string();
    return *value_;
  }

 private:
  const std::function<std::string()>& fetch_;
  std::optional<std::string> value_;
};

}  // namespace

bool MatchesExclusion(const std::vector<std::string>& rules, const WindowFacts& window) {
  LazyText program(window.programFileName);
  LazyText className(window.className);
  LazyText title(window.title);
  for (const std::string& line : rules) {
    const std::string rule = Lower(Trimmed(line));
    if (rule.starts_with("class:")) {
      const std::string_view wanted = Trimmed(std::string_view(rule).substr(6));
      if (!wanted.empty() && className.Get() == wanted) return true;
    } else if (rule.starts_with("title:")) {
      const std::string_view wanted = Trimmed(std::string_view(rule).substr(6));
      if (!wanted.empty() && title.Get().find(wanted) != std::string::npos) return true;
    } else if (!rule.empty() && program.Get() == rule) {
      return true;
    }
  }
  return false;
}

}  // namespace tarnwick
