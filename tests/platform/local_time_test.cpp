#include "platform/local_time.h"

#include <gtest/gtest.h>

namespace marvoten {
namespace {

TEST(LocalTime, StampIsYearMonthDayHourMinuteSecond) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_min = 3;
    t.tm_sec = 9;
    EXPECT_EQ(formatTimeStamp(t), "20260105070309");
    std::string now = localTimeStamp();
    EXPECT_EQ(now.size(), 14u);
    EXPECT_EQ(now.find_first_not_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace marvoten
