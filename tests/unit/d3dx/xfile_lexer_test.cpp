// The .x tokenizer and its number and name rules.
#include "../../../src/platform/d3dx/xfile/xfile_lexer.h"

#include <gtest/gtest.h>

#include <vector>

namespace d3dx::xfile {
namespace {

struct Seen {
    TokenKind kind;
    std::string text;
    bool separated;
    bool operator==(const Seen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Seen& seen) {
    return out << int(seen.kind) << " '" << seen.text << "' " << seen.separated;
}

std::vector<Seen> Tokens(std::string_view text) {
    Lexer lexer(text);
    std::vector<Seen> out;
    for (;;) {
        Token token = lexer.Next();
        if (token.kind == TokenKind::End) {
            return out;
        }
        out.push_back({token.kind, std::string(token.text), token.separated});
        if (token.kind == TokenKind::Invalid) {
            return out;
        }
    }
}

TEST(XFileLexer, SplitsTextIntoTokensAndNotesSeparators) {
    EXPECT_EQ(Tokens("Mesh box{\n 3;-1.5, \"a b;\"\t<ABC-1>}"),
              (std::vector<Seen>{{TokenKind::Word, "Mesh", false},
                                 {TokenKind::Word, "box", false},
                                 {TokenKind::OpenBrace, "{", false},
                                 {TokenKind::Word, "3", false},
                                 {TokenKind::Word, "-1.5", true},
                                 {TokenKind::String, "a b;", true},
                                 {TokenKind::Guid, "ABC-1", false},
                                 {TokenKind::CloseBrace, "}", false}}));
}

TEST(XFileLexer, SkipsCommentsWhereATokenMayStart) {
    EXPECT_EQ(
        Tokens("1.0 # one ; two\n// three {\n2.0#x"),
        (std::vector<Seen>{{TokenKind::Word, "1.0", false}, {TokenKind::Word, "2.0#x", false}}));
    EXPECT_EQ(Tokens(std::string_view("a\0b", 3)),
              (std::vector<Seen>{{TokenKind::Word, "a", false}, {TokenKind::Word, "b", false}}))
        << "a NUL byte is a blank";
}

TEST(XFileLexer, UnendedStringsAndGuidsAreInvalid) {
    EXPECT_EQ(Tokens("\"open").back().kind, TokenKind::Invalid);
    EXPECT_EQ(Tokens("<open").back().kind, TokenKind::Invalid);
    EXPECT_EQ(Tokens("<" + std::string(41, 'A') + ">").back().kind, TokenKind::Invalid);
}

TEST(XFileLexer, FloatsTakeThePlatformForms) {
    for (auto [text, value] : std::vector<std::pair<const char*, float>>{{"1.0", 1.0f},
                                                                         {"-1", -1.0f},
                                                                         {"-.5", -0.5f},
                                                                         {"5.", 5.0f},
                                                                         {"-0.0", -0.0f},
                                                                         {"2.50", 2.5f},
                                                                         {"0.000001", 0.000001f}}) {
        float out = 99.0f;
        EXPECT_TRUE(ParseFloat(text, out)) << text;
        EXPECT_EQ(out, value) << text;
    }
    for (const char* text :
         {"1", ".5", "+1.0", "1.5e1", "nan", "-nan", "inf", "1.#QNAN0", "-", ".", "-.", "1.0.0",
          "1-0", "", "1e999", "1000000000000000000000000000000000000000.0"}) {
        float out = 99.0f;
        EXPECT_FALSE(ParseFloat(text, out)) << text;
        EXPECT_EQ(out, 99.0f) << text;
    }
}

TEST(XFileLexer, DwordsAreDecimalAndInRange) {
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
    EXPECT_TRUE(IsTypeName("MeshNormals"));
    EXPECT_TRUE(IsTypeName("_x1"));
    EXPECT_FALSE(IsTypeName("1x"));
    EXPECT_FALSE(IsTypeName("a-b"));
    EXPECT_TRUE(IsObjectName("Material.001"));
    EXPECT_TRUE(IsObjectName("1-cube_2"));
    EXPECT_FALSE(IsObjectName("a#b"));
    EXPECT_FALSE(IsObjectName(""));
}

} // namespace
} // namespace d3dx::xfile
