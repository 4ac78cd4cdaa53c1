// The number and name rules of the .x tokenizer, beyond the number forms the conformance
// files compare.
#include "../../../src/platform/d3dx/xfile/xfile_lexer.h"

#include <gtest/gtest.h>

#include <vector>

namespace d3dx::xfile {
namespace {

TEST(XFileLexer, NumbersTakeOnlyThePlatformForms) {
    for (auto [text, value] : std::vector<std::pair<const char*, float>>{
             {"1.0", 1.0f}, {"-1", -1.0f}, {"-.5", -0.5f}, {"5.", 5.0f}, {"0.000001", 0.000001f}}) {
        float out = 99.0f;
        EXPECT_TRUE(ParseFloat(text, out)) << text;
        EXPECT_EQ(out, value) << text;
    }
    for (const char* text : {"nan", "inf", "1.#QNAN0", "-.", "1.0.0", "1-0", "", "1e999",
                             "1000000000000000000000000000000000000000.0"}) {
        float out = 99.0f;
        EXPECT_FALSE(ParseFloat(text, out)) << text;
        EXPECT_EQ(out, 99.0f) << text;
    }
    std::uint32_t out = 0;
    EXPECT_TRUE(ParseDword("4294967295", out));
    EXPECT_EQ(out, 4294967295u);
    EXPECT_TRUE(ParseDword("007", out));
    EXPECT_EQ(out, 7u);
    for (const char* text :
         {"4294967296", "99999999999999999999999", "-1", "+1", "1.0", "0x10", ""}) {
        EXPECT_FALSE(ParseDword(text, out)) << text;
    }
}

TEST(XFileLexer, NamesOfTypesAndObjects) {
    EXPECT_TRUE(IsTypeName("_x1"));
    EXPECT_FALSE(IsTypeName("1x"));
    EXPECT_FALSE(IsTypeName("a-b"));
    EXPECT_TRUE(IsObjectName("1-cube_2.001"));
    EXPECT_FALSE(IsObjectName("a#b"));
    EXPECT_FALSE(IsObjectName(""));
}

} // namespace
} // namespace d3dx::xfile
