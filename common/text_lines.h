#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// A list kept one entry a line, as the store keeps it and a box shows it: split at "\n" or
// "\r\n"; a line of nothing but spaces and tabs is no entry. The others stay as written.
std::vector<std::string> SplitLines(std::string_view text);
// The entries with `separator` between them: "\n" for the store, "\r\n" for an edit box.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view separator = "\n");

}  // namespace tarnwick
