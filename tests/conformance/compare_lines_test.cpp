// The comparer's rules: floats within a tolerance, everything else exact, info lines skipped.
#include "compare_lines.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CompareTokens, FloatsMatchWithinTheirToleranceAndEverythingElseExactly) {
    static_assert(kMaxUlps == 8); // 0.705441356 is 8 floats above 0.705440879, the next 9
    for (auto [expected, actual] : {std::pair{"0.705440879", "0.705441356"},
                                    {"1", "1.00000012"},
                                    {"0", "-4.37113883e-08"},
                                    {"0", "-0"},
                                    {"nan", "-nan"},
                                    {"inf", "inf"}}) {
        EXPECT_TRUE(TokensMatch(expected, actual)) << expected << " " << actual;
    }
    for (auto [expected, actual] : {std::pair{"0.705440879", "0.705441415"},
                                    {"0", "2e-06"},
                                    {"0.5", "0.5000008"},
                                    {"24", "25"},
                                    {"1e+10", "1.00001e+10"},
                                    {"nan", "0"},
                                    {"inf", "nan"},
                                    {"inf", "-inf"},
                                    {"inf", "3.40282347e+38"},
                                    {"hr=0x80004001", "hr=0x80004005"},
                                    {"0x80004001", "0x80004005"},
                                    {"true", "false"},
                                    {"\"a.png\"", "\"A.png\""},
                                    {"1.5abc", "1.5"}}) {
        EXPECT_FALSE(TokensMatch(expected, actual)) << expected << " " << actual;
    }
}

TEST(CompareLines, EveryTokenLabelsInformationalLinesAndLineEnds) {
    EXPECT_TRUE(LinesMatch("m: 1 2.5 hr=0x0", "m: 1.00000012 2.5 hr=0x0"));
    EXPECT_FALSE(LinesMatch("m: 1 2 3", "m: 1 2"));
    EXPECT_FALSE(LinesMatch("a: 1", "b: 1"));
    EXPECT_EQ(LabelOf("cube.x/vertex3: 1 2 3"), "cube.x/vertex3");
    EXPECT_EQ(LabelOf("no colon"), "no colon");
    EXPECT_TRUE(IsInformational("info cube.x/optimize-vertexcache: hr=0x80004001"));
    EXPECT_FALSE(IsInformational("information: 1"));
    EXPECT_EQ(SplitLines("a: 1\r\nb: 2\n\nc: 3"),
              (std::vector<std::string>{"a: 1", "b: 2", "", "c: 3"}));
}

TEST(CompareOutputs, CountsLinesAndFailsOnMissingOnes) {
    const std::vector<std::string> wine = {"a: 1", "info v: hr=0x80004001", "b: 2", "c: 3"};
    ComparisonReport same = CompareOutputs(wine, {"a: 1", "info v: hr=0x0", "b: 2", "c: 3"});
    EXPECT_EQ(std::pair(same.passed, same.failed), std::pair(3, 0));
    EXPECT_NE(same.details.find("informational, not compared [info v]"), std::string::npos);
    ComparisonReport shorter = CompareOutputs(wine, {"a: 1", "b: 5"});
    EXPECT_EQ(std::pair(shorter.passed, shorter.failed), std::pair(1, 2));
    EXPECT_NE(shorter.details.find("differs [b]\n  expected: b: 2\n  actual:   b: 5\n"),
              std::string::npos);
    EXPECT_NE(shorter.details.find("actual:   (no line)"), std::string::npos);
}

} // namespace
