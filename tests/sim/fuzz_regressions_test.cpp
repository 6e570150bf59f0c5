#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

#include "fuzz/checks/checks.h"

namespace tarnwick::fuzz {

// Found by argument-dependent lookup, so it lives beside FuzzTarget, not in the unnamed
// namespace: gtest names a failing case by its target.
void PrintTo(const FuzzTarget& target, std::ostream* out) {
  *out << target.name;
}

namespace {

// Every input the fuzzers kept (fuzz/regressions/<target>/) and every seed they start from
// (fuzz/corpus/<target>/), replayed through the same check its fuzz target runs, under the
// ordinary build.
class FuzzRegressions : public ::testing::TestWithParam<FuzzTarget> {};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_P(FuzzRegressions, EveryKeptInputKeepsItsProperties) {
  for (const char* kept : {"regressions", "corpus"}) {
    const std::filesystem::path folder =
        std::filesystem::path(TARNWICK_FUZZ_FOLDER) / kept / GetParam().name;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      EXPECT_EQ(GetParam().check(ReadFile(entry.path())), "") << entry.path();
      ++replayed;
    }
    EXPECT_GT(replayed, 0) << "no inputs in " << folder;
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegressions, ::testing::ValuesIn(kFuzzTargets),
                         [](const auto& target) { return std::string(target.param.name); });

}  // namespace
}  // namespace tarnwick::fuzz
