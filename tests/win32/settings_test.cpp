#include <gtest/gtest.h>

#include "win32/registry_settings.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {
namespace {

// Each case uses its own application name, so the cases do not see each other's entries.
TEST(RegistrySettings, RoundTripsThroughTheUsersHive) {
  RegistrySettings store;
  EXPECT_FALSE(store.Read("TarnwickRoundTrip", "startup", "minimize")) << "absent at first";

  ASSERT_TRUE(store.Write("TarnwickRoundTrip", "startup", "minimize", "1"));
  EXPECT_EQ(store.Read("TarnwickRoundTrip", "startup", "minimize"), "1");
  EXPECT_FALSE(store.Read("TarnwickRoundTrip", "startup", "idel")) << "a neighbour stays absent";
  EXPECT_FALSE(store.Read("TarnwickRoundTrip", "Delay", "minimize")) << "sections are apart";

  ASSERT_TRUE(store.Write("TarnwickRoundTrip", "startup", "minimize", "0"));
  EXPECT_EQ(store.Read("TarnwickRoundTrip", "startup", "minimize"), "0") << "overwritten";

  ASSERT_TRUE(store.Write("TarnwickRoundTrip", "Delay", "Interval", ""));
  EXPECT_EQ(store.Read("TarnwickRoundTrip", "Delay", "Interval"), "") << "empty is not absent";
}

TEST(RegistrySettings, KeepsTextAsTypedIncludingUnicodeAndLongValues) {
  RegistrySettings store;
  const std::string typed = "750.0";
  const std::string unicode =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x82\xAC \xF0\x9F\x98\x80";
  const std::string longText(5000, 'x');
  ASSERT_TRUE(store.Write("TarnwickText", "Delay", "Interval", typed));
  ASSERT_TRUE(store.Write("TarnwickText",
                          "s\xC3\xA9"
                          "ction",
                          "k\xC3\xA9y", unicode));
  ASSERT_TRUE(store.Write("TarnwickText", "startup", "long", longText));
  EXPECT_EQ(store.Read("TarnwickText", "Delay", "Interval"), typed);
  EXPECT_EQ(store.Read("TarnwickText",
                       "s\xC3\xA9"
                       "ction",
                       "k\xC3\xA9y"),
            unicode);
  EXPECT_EQ(store.Read("TarnwickText", "startup", "long"), longText);
}

TEST(RegistrySettings, LivesWhereAUserWouldLookAndRefusesOtherTypes) {
  RegistrySettings store;
  ASSERT_TRUE(store.Write("TarnwickPlace", "startup", "windows", "1"));
  wchar_t value[8]{};
  DWORD bytes = sizeof(value);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\TarnwickPlace\\startup", L"windows",
                         RRF_RT_REG_SZ, nullptr, value, &bytes),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, L"1");

  // A value of another type, left by hand or by some other program, reads as absent.
  const DWORD number = 1;
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\TarnwickPlace\\startup", L"idel",
                            REG_DWORD, &number, sizeof(number)),
            ERROR_SUCCESS);
  EXPECT_FALSE(store.Read("TarnwickPlace", "startup", "idel"));
  const BYTE bytes4[] = {'1', 0, 0, 0};
  for (DWORD type : {DWORD{REG_BINARY}, DWORD{REG_MULTI_SZ}}) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\TarnwickPlace\\startup", L"idel", type,
                              bytes4, sizeof(bytes4)),
              ERROR_SUCCESS);
    EXPECT_FALSE(store.Read("TarnwickPlace", "startup", "idel")) << "type " << type;
  }
  // An expandable string, as regedit may write, is still text.
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\TarnwickPlace\\startup", L"idel",
                            REG_EXPAND_SZ, bytes4, sizeof(bytes4)),
            ERROR_SUCCESS);
  EXPECT_EQ(store.Read("TarnwickPlace", "startup", "idel"), "1");
}

TEST(RegistrySettings, AValueLongerThan65535CharactersReadsAsAbsent) {
  RegistrySettings store;
  const std::string longest(65535, '7');
  ASSERT_TRUE(store.Write("TarnwickLong", "startup", "calibration", longest));
  EXPECT_EQ(store.Read("TarnwickLong", "startup", "calibration"), longest);
  ASSERT_TRUE(store.Write("TarnwickLong", "startup", "calibration", longest + "7"));
  EXPECT_FALSE(store.Read("TarnwickLong", "startup", "calibration"));
  ASSERT_TRUE(store.Write("TarnwickLong", "startup", "calibration", std::string(1000000, '7')));
  EXPECT_FALSE(store.Read("TarnwickLong", "startup", "calibration"));
}

}  // namespace
}  // namespace tarnwick::win32
