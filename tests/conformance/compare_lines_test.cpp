// The comparer's rules: floats within a tolerance, everything else exact, info lines skipped.
#include "compare_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string Printed(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    return buffer;
}

// The float that lies the given number of steps above value.
float Stepped(float value, int steps) {
    for (int i = 0; i < steps; ++i) {
        value = std::nextafter(value, INFINITY);
    }
    return value;
}

TEST(CompareTokens, FloatsMatchWithinEightUlpsOrAMillionthNearZero) {
    const float base = 0.705440879f;
    EXPECT_TRUE(TokensMatch(Printed(base), Printed(Stepped(base, kMaxUlps))));
    EXPECT_FALSE(TokensMatch(Printed(base), Printed(Stepped(base, kMaxUlps + 1))));
    EXPECT_TRUE(TokensMatch("1", "1.00000012"));
    EXPECT_TRUE(TokensMatch("0", "-4.37113883e-08"));
    EXPECT_TRUE(TokensMatch("0", "-0"));
    EXPECT_FALSE(TokensMatch("0", "2e-06"));
    EXPECT_FALSE(TokensMatch("0.5", "0.5000008")); // close, but not near zero
    EXPECT_FALSE(TokensMatch("24", "25"));
    EXPECT_FALSE(TokensMatch("1e+10", "1.00001e+10"));
}

TEST(CompareTokens, NanMatchesOnlyNanAndInfinitiesKeepTheirSign) {
    EXPECT_TRUE(TokensMatch("nan", "-nan"));
    EXPECT_FALSE(TokensMatch("nan", "0"));
    EXPECT_FALSE(TokensMatch("inf", "nan"));
    EXPECT_TRUE(TokensMatch("inf", "inf"));
    EXPECT_FALSE(TokensMatch("inf", "-inf"));
    EXPECT_FALSE(TokensMatch("inf", "3.40282347e+38"));
}

TEST(CompareTokens, EverythingElseMustBeEqual) {
    EXPECT_FALSE(TokensMatch("hr=0x80004001", "hr=0x80004005"));
    EXPECT_FALSE(TokensMatch("0x80004001", "0x80004005")); // would be equal as floats
    EXPECT_FALSE(TokensMatch("true", "false"));
    EXPECT_FALSE(TokensMatch("\"a.png\"", "\"A.png\""));
    EXPECT_FALSE(TokensMatch("vertex1:", "vertex2:"));
    EXPECT_FALSE(TokensMatch("1.5abc", "1.5"));
}

TEST(CompareLines, TokenCountsAndEveryTokenMatter) {
    EXPECT_TRUE(LinesMatch("m: 1 2.5 hr=0x0", "m: 1.00000012 2.5 hr=0x0"));
    EXPECT_FALSE(LinesMatch("m: 1 2 3", "m: 1 2"));
    EXPECT_FALSE(LinesMatch("m: 1 2 3", "m: 1 2 4"));
    EXPECT_FALSE(LinesMatch("a: 1", "b: 1"));
}

TEST(CompareLines, LabelsInformationalLinesAndLineEnds) {
    EXPECT_EQ(LabelOf("cube.x/vertex3: 1 2 3"), "cube.x/vertex3");
    EXPECT_EQ(LabelOf("no colon"), "no colon");
    EXPECT_TRUE(IsInformational("info cube.x/optimize-vertexcache: hr=0x80004001"));
    EXPECT_FALSE(IsInformational("information: 1"));
    EXPECT_EQ(SplitLines("a: 1\r\nb: 2\n\nc: 3"),
              (std::vector<std::string>{"a: 1", "b: 2", "", "c: 3"}));
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(CompareOutputs, CountsLinesAndFailsOnMissingOnes) {
    const std::vector<std::string> wine = {"a: 1", "info v: hr=0x80004001", "b: 2", "c: 3"};

    ComparisonReport same = CompareOutputs(wine, {"a: 1", "info v: hr=0x0", "b: 2", "c: 3"});
    EXPECT_EQ(same.passed, 3);
    EXPECT_EQ(same.failed, 0);
    EXPECT_NE(same.details.find("informational, not compared [info v]"), std::string::npos);

    ComparisonReport differing = CompareOutputs(wine, {"a: 1", "b: 5", "c: 3"});
    EXPECT_EQ(differing.passed, 2);
    EXPECT_EQ(differing.failed, 1);
    EXPECT_NE(differing.details.find("differs [b]\n  expected: b: 2\n  actual:   b: 5\n"),
              std::string::npos);

    ComparisonReport shorter = CompareOutputs(wine, {"a: 1", "b: 2"});
    EXPECT_EQ(shorter.passed, 2);
    EXPECT_EQ(shorter.failed, 1);
    EXPECT_NE(shorter.details.find("actual:   (no line)"), std::string::npos);
}

} // namespace
