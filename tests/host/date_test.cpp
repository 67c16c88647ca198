#include "host/date.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Values(const Array<int>& array) { return {array.begin(), array.end()}; }

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

bool SameSecond(const std::tm& a, const std::tm& b) {
  return a.tm_year == b.tm_year && a.tm_yday == b.tm_yday && a.tm_hour == b.tm_hour &&
         a.tm_min == b.tm_min && a.tm_sec == b.tm_sec;
}

// Fills an array of `length` elements, all -1 beforehand, with the current date; retried
// when the clock crosses a second meanwhile.
std::pair<std::vector<int>, std::tm> DateNow(int length) {
  for (;;) {
    Array<int> date(length);
    for (int& value : date) value = -1;
    const std::tm before = LocalNow();
    zu_GetDate(date);
    if (SameSecond(before, LocalNow())) return {Values(date), before};
  }
}

TEST(GetDate, EmptyArrayIsLeftAlone) {
  Array<int> empty;
  zu_GetDate(empty);
  EXPECT_EQ(empty.Length(), 0);
}

TEST(GetDate, ThreeElementsGetYearMonthDay) {
  auto [date, local] = DateNow(3);
  EXPECT_EQ(date, (std::vector<int>{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}));
}

TEST(GetDate, SevenElementsEndWithZeroMilliseconds) {
  auto [date, local] = DateNow(7);
  EXPECT_EQ(date, (std::vector<int>{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                    local.tm_hour, local.tm_min, local.tm_sec, 0}));
}

TEST(GetDate, ElementsBeyondTheSeventhAreUntouched) {
  auto [date, local] = DateNow(9);
  EXPECT_EQ(date, (std::vector<int>{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                    local.tm_hour, local.tm_min, local.tm_sec, 0, -1, -1}));
}

TEST(FillDate, FieldsComeFromTheCalendarTime) {
  std::tm moment{};
  moment.tm_year = 114;  // 2014
  moment.tm_mon = 11;    // December
  moment.tm_mday = 24;
  moment.tm_hour = 23;
  moment.tm_min = 59;
  moment.tm_sec = 58;
  Array<int> date(7);
  zu_FillDate(date, moment);
  EXPECT_EQ(Values(date), (std::vector<int>{2014, 12, 24, 23, 59, 58, 0}));
}

}  // namespace
