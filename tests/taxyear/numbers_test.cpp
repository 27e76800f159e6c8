// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

TEST(Rounding, HalfToEvenAndIntegerPart) {
  EXPECT_EQ(RoundHalfEven(64.5), 64);
  EXPECT_EQ(RoundHalfEven(65.5), 66);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(IntPart(2.99), 2);
  EXPECT_EQ(IntPart(-2.01), -3);
  EXPECT_EQ(ToInt16(64.5), std::int16_t{64});
  EXPECT_EQ(ToInt16(32767.4), std::int16_t{32767});
  EXPECT_FALSE(ToInt16(32767.5).has_value());
  EXPECT_FALSE(ToInt16(-40000).has_value());
  EXPECT_FALSE(ToInt16(std::nan("")).has_value());
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("  7.25%"), 7.25);
  EXPECT_EQ(LeadingNumber("1 234 567.89"), 1234567.89);
  EXPECT_EQ(LeadingNumber("-3.5"), -3.5);
  EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
}

TEST(FormatAmount, SpaceThousandsAndFixedDecimals) {
  EXPECT_EQ(FormatAmount(0), "0.00");
  EXPECT_EQ(FormatAmount(1234567.891), "1 234 567.89");
  EXPECT_EQ(FormatAmount(999.995), "1 000.00");
  EXPECT_EQ(FormatAmount(-4783.075), "-4 783.08");
  EXPECT_EQ(FormatAmount(-0.001), "0.00");
  EXPECT_EQ(FormatAmount(12345.5, 0), "12 346");
  EXPECT_EQ(FormatAmount(12344.5, 0), "12 344");
  EXPECT_EQ(FormatAmount(99999999.99), "99 999 999.99");
  EXPECT_EQ(FormatShortest(23.501400000000001), "23.5014");
  EXPECT_EQ(FormatShortest(500000), "500000");
  EXPECT_EQ(FormatShortest(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(FormatShortest(1e300), "1e+300");
}

// The program's own number formats read the same under a locale with a decimal
// comma, which a Qt application takes on at start-up.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
    set_ = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  }
  ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;
  bool Set() const { return set_; }

 private:
  std::string before_;
  bool set_ = false;
};

TEST(FormatAmount, SameUnderADecimalCommaLocale) {
  const DecimalCommaLocale comma;
  // A machine without the locale must not pass unseen (scripts/setup installs it).
  ASSERT_TRUE(comma.Set()) << "the de_DE.UTF-8 locale is not installed";
  ASSERT_EQ(*std::localeconv()->decimal_point, ',');
  EXPECT_EQ(FormatAmount(221.4), "221.40");
  EXPECT_EQ(FormatAmount(30000), "30 000.00");
  EXPECT_EQ(FormatAmount(-4783.075), "-4 783.08");
  EXPECT_EQ(FormatAmount(12345.5, 0), "12 346");
  EXPECT_EQ(FormatShortest(23.5014), "23.5014");
  EXPECT_EQ(LeadingNumber("1 234.5"), 1234.5);
  EXPECT_EQ(FormatDate(44986), "01/03/2023");
}

TEST(DaySerial, TaxYearLimitsAndRoundTrips) {
  EXPECT_EQ(FormatDate(44986), "01/03/2023");
  EXPECT_EQ(FormatDate(45351), "29/02/2024");
  EXPECT_EQ(FormatDate(BlankDate), "");
  EXPECT_EQ(ParseDate("01/03/2023"), 44986);
  EXPECT_EQ(ParseDate("29/02/2024"), 45351);
  EXPECT_EQ(ParseDate("5/6/2023"), SerialFromDate({2023, 6, 5}));
  EXPECT_FALSE(ParseDate("29/02/2023").has_value());
  EXPECT_FALSE(ParseDate("31/04/2023").has_value());
  EXPECT_FALSE(ParseDate("01/03/23").has_value());
  EXPECT_FALSE(ParseDate("  /  /    ").has_value());
  EXPECT_EQ(FormatDate(-36522), "01/01/1800");
  EXPECT_EQ(SerialFromDate({1899, 12, 30}), 0);
  for (double s = 44900; s < 45500; ++s) {
    EXPECT_EQ(ParseDate(FormatDate(s)), s);
  }
  EXPECT_EQ(MonthOf(44986), 3);
  EXPECT_EQ(DayOf(45351), 29);
}

}  // namespace
}  // namespace reventa
