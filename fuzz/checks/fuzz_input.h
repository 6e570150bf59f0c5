#pragma once
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::fuzz {

// The input's fields, split at NUL bytes: a stored string ends at its first NUL, so no
// stored value can hold one. "a\0\0b" gives "a", "" and "b"; an empty input gives none.
std::vector<std::string_view> SplitAtNul(std::string_view input);

// The bytes at `offset` read as a T, with zeros past the input's end.
template <typename T>
T BytesAs(std::string_view input, std::size_t offset) {
  char bytes[sizeof(T)] = {};
  if (offset < input.size()) {
    std::memcpy(bytes, input.data() + offset, std::min(sizeof(T), input.size() - offset));
  }
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

// A text as a message can show it: quoted, with unprintable bytes as \xNN.
std::string Quoted(std::string_view text);

}  // namespace tarnwick::fuzz
