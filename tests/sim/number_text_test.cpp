#include "common/number_text.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(ParseNumber, AcceptsPlainDecimalsAndRejectsEverythingElse) {
  EXPECT_EQ(ParseNumber("250"), 250.0);
  EXPECT_EQ(ParseNumber(" 750.0 "), 750.0);
  EXPECT_EQ(ParseNumber("-20"), -20.0);
  EXPECT_EQ(ParseNumber(".5"), 0.5);
  EXPECT_EQ(ParseNumber("1e3"), 1000.0);
  for (const char* bad :
       {"", " ", "abc", "12ms", "1e999", "inf", "nan", "0x10", "1.2.3", ".", "-", "1e", "1 2"}) {
    EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
  }
}

TEST(RoundedConversions, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(ToInt32("250.5"), 250);
  EXPECT_EQ(ToInt32("251.5"), 252);
  EXPECT_EQ(ToInt32("2.5"), 2);
  EXPECT_EQ(ToInt32("3.5"), 4);
  EXPECT_EQ(ToInt32("59998.6"), 59999);
  EXPECT_EQ(ToInt16("-2.5"), -2);
}

TEST(RoundedConversions, OutOfRangeIsNothingNotAWrappedValue) {
  EXPECT_EQ(ToInt16("32767"), 32767);
  EXPECT_FALSE(ToInt16("32768").has_value());
  EXPECT_FALSE(ToInt32("3000000000").has_value());
}

TEST(ParseCheckValue, OnlyTheThreeBoxStatesAreTaken) {
  EXPECT_EQ(ParseCheckValue("1"), 1);
  EXPECT_EQ(ParseCheckValue("0"), 0);
  EXPECT_EQ(ParseCheckValue("2"), 2);
  EXPECT_EQ(ParseCheckValue("1.0"), 1);
  for (const char* bad : {"7", "-1", "yes", "", "99999"}) {
    EXPECT_EQ(ParseCheckValue(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace tarnwick
