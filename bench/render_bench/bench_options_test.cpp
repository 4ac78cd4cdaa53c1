#include "bench_options.h"

#include <gtest/gtest.h>

namespace bench {
namespace {

TEST(BenchOptions, ReadsTheModeAndTimesWithDefaults) {
    auto modeOnly = ParseOptions("device");
    ASSERT_TRUE(modeOnly);
    EXPECT_EQ(modeOnly->mode, "device");
    EXPECT_EQ(modeOnly->seconds, 5.0);
    EXPECT_EQ(modeOnly->warmup, 1.0);

    auto timed = ParseOptions("  gl\t2.5 ");
    ASSERT_TRUE(timed);
    EXPECT_EQ(timed->mode, "gl");
    EXPECT_EQ(timed->seconds, 2.5);
    EXPECT_EQ(timed->warmup, 1.0);

    auto all = ParseOptions("clear 0.1 0");
    ASSERT_TRUE(all);
    EXPECT_EQ(all->seconds, 0.1);
    EXPECT_EQ(all->warmup, 0.0);

    auto limits = ParseOptions("device 600 60");
    ASSERT_TRUE(limits);
    EXPECT_EQ(limits->seconds, 600.0);
    EXPECT_EQ(limits->warmup, 60.0);
}

TEST(BenchOptions, RefusesMalformedCommandLines) {
    for (const char* line : {"", "   ", "device 5 1 extra", "device five", "device 5s", "device 0",
                             "device 0.05", "device -1", "device 601", "device nan", "device inf",
                             "device 5 -1", "device 5 61", "device 5 x", "device 1e999"}) {
        EXPECT_FALSE(ParseOptions(line)) << '"' << line << '"';
    }
}

} // namespace
} // namespace bench
