#include "bench_figures.h"

#include <gtest/gtest.h>

namespace game_bench {
namespace {

TEST(LargestLevel, PicksTheBiggestBoardThenTheMostObjectsThenTheFirst) {
    EXPECT_EQ(LargestLevel({}), std::nullopt);
    EXPECT_EQ(LargestLevel({{6, 5, 2}}), 0);
    // Tiles decide before objects: 30 x 30 empty beats 6 x 5 full.
    EXPECT_EQ(LargestLevel({{6, 5, 30}, {30, 30, 0}, {3, 4, 0}}), 1);
    // Equal boards: more objects win; full ties keep the first.
    EXPECT_EQ(LargestLevel({{4, 6, 1}, {6, 4, 9}, {3, 8, 9}}), 1);
    EXPECT_EQ(LargestLevel({{5, 5, 3}, {5, 5, 3}}), 0);
}

TEST(LargestLevel, BrokenSizesCountAsNoTilesAndDoNotOverflow) {
    // A negative side must not make a product that wins (-10 x -10 = 100).
    EXPECT_EQ(LargestLevel({{2, 2, 0}, {-10, -10, 0}, {0, 50, 0}}), 0);
    // Sides near the int limit multiply without wrapping round to a small or negative count.
    EXPECT_EQ(LargestLevel({{30, 30, 0}, {2147483647, 2147483647, 0}}), 1);
    EXPECT_EQ(LargestLevel({{65536, 65536, 0}, {30, 30, 0}}), 0);
}

TEST(ParseLaunchTime, AcceptsOnlyOneFinitePositiveNumber) {
    EXPECT_DOUBLE_EQ(ParseLaunchTime("1796605000.123456789").value_or(0.0), 1796605000.123456789);
    EXPECT_DOUBLE_EQ(ParseLaunchTime("12").value_or(0.0), 12.0);
    for (const char* bad : {"", "abc", "12s", "12 ", " ", "0", "-5.5", "inf", "nan", "1e999"}) {
        EXPECT_EQ(ParseLaunchTime(bad), std::nullopt) << '"' << bad << '"';
    }
    EXPECT_EQ(ParseLaunchTime(nullptr), std::nullopt);
}

TEST(PeakMegabytesFromStatus, ReadsTheHighWaterMarkInKilobytes) {
    const std::string status = "Name:\tgame_bench\nVmPeak:\t  999999 kB\nVmHWM:\t   153600 kB\n"
                               "VmRSS:\t   10240 kB\n";
    EXPECT_DOUBLE_EQ(PeakMegabytesFromStatus(status).value_or(0.0), 150.0);
    EXPECT_DOUBLE_EQ(PeakMegabytesFromStatus("VmHWM: 512 kB").value_or(0.0), 0.5);
}

TEST(PeakMegabytesFromStatus, GivesNothingWithoutAReadableLine) {
    for (const std::string bad :
         {"", "VmRSS:\t 10240 kB\n", "VmHWM:\n", "VmHWM:\t lots kB\n", "VmHWM:\t 100 MB\n",
          "VmHWM:\t 100\n", "VmHWM:\t -100 kB\n", "XVmHWM:\t 100 kB\n"}) {
        EXPECT_EQ(PeakMegabytesFromStatus(bad), std::nullopt) << bad;
    }
}

} // namespace
} // namespace game_bench
