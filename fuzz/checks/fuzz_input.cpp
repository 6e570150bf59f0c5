#include "fuzz/checks/fuzz_input.h"

#include <cstdio>

namespace tarnwick::fuzz {

std::vector<std::string_view> SplitAtNul(std::string_view input) {
  std::vector<std::string_view> fields;
  if (input.empty()) return fields;
  for (;;) {
    const std::size_t nul = input.find('\0');
    fields.push_back(input.substr(0, nul));
    if (nul == std::string_view::npos) return fields;
    input.remove_prefix(nul + 1);
  }
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
      quoted += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      quoted += escaped;
    }
  }
  return quoted + "\"";
}

}  // namespace tarnwick::fuzz
