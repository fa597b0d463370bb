#include "core/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace trelvane {
namespace {

TEST(ParseDecimal, AcceptsDecimalNumbersWithBlanksSignFractionAndExponent) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"0", 0},        {"1", 1},      {"  1  ", 1},
      {"\t2\t", 2},    {"+1", 1},     {"-1", -1},
      {"1.0", 1},      {"1.", 1},     {".5", 0.5},
      {"-.25", -0.25}, {"1e2", 100},  {"1E+2", 100},
      {"25e-1", 2.5},  {"007", 7},    {" -2.5e-1 ", -0.25},
      {"0.000", 0},    {"1e-400", 0}, {"1.5e308", 1.5e308},
  };
  for (const auto& c : cases) {
    const ParsedNumber parsed = ParseDecimal(c.text);
    ASSERT_TRUE(parsed.value.has_value()) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(*parsed.value, c.value) << '"' << c.text << '"';
  }
}

TEST(ParseDecimal, RefusesEverythingThatIsNotADecimalNumber) {
  const char* cases[] = {"",    " ",        "abc", "0x10", "&H10",  "1,000", "1 2",      "1e",
                         "e5",  "1e+",      "--1", "+-1",  "1.2.3", ".",     "+",        "-",
                         "1d2", "Infinity", "NaN", "inf",  "1 .5",  "1e 5",  "\xD9\xA1", "1\n"};
  for (const char* text : cases) {
    const ParsedNumber parsed = ParseDecimal(text);
    EXPECT_FALSE(parsed.value.has_value()) << '"' << text << '"';
    EXPECT_EQ(parsed.error, NumberError::kNotANumber) << '"' << text << '"';
  }
  // An embedded NUL ends nothing: the text after it is still junk.
  EXPECT_FALSE(ParseDecimal(std::string("1\0", 2)).value.has_value());
}

TEST(ParseDecimal, NumbersBeyondDoubleAreOutOfRangeNotJunk) {
  for (const char* text : {"1e309", "-1e309", "1e99999999999", "99999e305"}) {
    const ParsedNumber parsed = ParseDecimal(text);
    EXPECT_FALSE(parsed.value.has_value()) << text;
    EXPECT_EQ(parsed.error, NumberError::kOutOfRange) << text;
  }
  // Many digits are still a number; many leading zeros do not inflate it.
  EXPECT_DOUBLE_EQ(*ParseDecimal(std::string(400, '0') + "1").value, 1.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("0." + std::string(400, '0') + "1e401").value, 1.0);
  EXPECT_FALSE(ParseDecimal(std::string(400, '9')).value.has_value());
}

TEST(ParseDecimal, ExponentsOfAnyLengthAreTakenWhole) {
  // As long as a settings file may be: the zeros and the exponent cancel out exactly.
  const std::string zeros(999'999, '0');
  EXPECT_DOUBLE_EQ(*ParseDecimal("0." + zeros + "1e1000000").value, 1.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("-0." + zeros + "25e+1000000").value, -2.5);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1" + zeros + "e-999999").value, 1.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1" + zeros + "e-999996").value, 1000.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1e" + zeros + "2").value, 100.0);  // leading zeros
  EXPECT_DOUBLE_EQ(*ParseDecimal("1." + zeros + "1e1").value, 10.0);
  // One step past the cancelling exponent is still far outside double's range either way.
  EXPECT_EQ(ParseDecimal("0." + zeros + "1e1000400").error, NumberError::kOutOfRange);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1" + zeros + "e-1000400").value, 0.0);
  // Exponents longer than any integer type saturate without wrapping round.
  const std::string huge(200'000, '9');
  EXPECT_EQ(ParseDecimal("1e" + huge).error, NumberError::kOutOfRange);
  EXPECT_DOUBLE_EQ(*ParseDecimal("1e-" + huge).value, 0.0);
  EXPECT_DOUBLE_EQ(*ParseDecimal("0e" + huge).value, 0.0);
  EXPECT_EQ(ParseDecimal("1" + zeros + "e" + huge).error, NumberError::kOutOfRange);
}

TEST(RoundToInt32, RoundsHalfToEven) {
  EXPECT_EQ(RoundToInt32(0.5), 0);
  EXPECT_EQ(RoundToInt32(1.5), 2);
  EXPECT_EQ(RoundToInt32(2.5), 2);
  EXPECT_EQ(RoundToInt32(2.5000001), 3);
  EXPECT_EQ(RoundToInt32(-0.5), 0);
  EXPECT_EQ(RoundToInt32(-1.5), -2);
  EXPECT_EQ(RoundToInt32(-2.5), -2);
  EXPECT_EQ(RoundToInt32(0.49999999999999994), 0);
  EXPECT_EQ(RoundToInt32(1.0), 1);
}

TEST(RoundToInt32, FailsOutsideThe32BitRange) {
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  constexpr double kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(RoundToInt32(kMax), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundToInt32(kMax + 0.4), std::numeric_limits<std::int32_t>::max());
  EXPECT_FALSE(RoundToInt32(kMax + 0.5).has_value());  // rounds to the even 2^31
  EXPECT_EQ(RoundToInt32(kMin), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundToInt32(kMin - 0.5), std::numeric_limits<std::int32_t>::min());  // even
  EXPECT_FALSE(RoundToInt32(kMin - 1).has_value());
  EXPECT_FALSE(RoundToInt32(1e300).has_value());
  EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(RoundToInt32(std::numeric_limits<double>::quiet_NaN()).has_value());
}

}  // namespace
}  // namespace trelvane
