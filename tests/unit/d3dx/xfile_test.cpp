// Reading .x text: the tokenizer's number and name rules (beyond the number forms the
// conformance files compare), then data objects: tokens and comments, references, templates,
// malformed objects and deep nesting.
#include <d3d9.h>

#include "../../../src/platform/d3dx/xfile/xfile_document.h"
#include "../../../src/platform/d3dx/xfile/xfile_lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace d3dx::xfile {
namespace {

using namespace std::string_literals;

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

constexpr HRESULT kParseError = MAKE_HRESULT(1, 0x876, 866);

TEST(XFileDocument, ReferencesPointOnlyAtEarlierNamedObjects) {
    // Comments run to the line end where a token may start; a NUL byte is a blank.
    const std::string text = "Material Red { 1.0#x; \"a b;\" # c {\n// d {\n}\0"
                             "Mesh { 1; {Red} { Red <AB-CD> } }\n"s;
    Document document;
    ASSERT_EQ(ParseDocument(text, document), D3D_OK);
    ASSERT_EQ(document.topLevel.size(), 2u);
    const DataObject& red = document.objects[document.topLevel[0]];
    ASSERT_EQ(red.values.size(), 2u);
    EXPECT_EQ(red.values[0].text, "1.0#x");
    EXPECT_EQ(red.values[1].text, "a b;");
    EXPECT_TRUE(red.values[1].quoted);
    const DataObject& mesh = document.objects[document.topLevel[1]];
    EXPECT_EQ(mesh.children, (std::vector<ObjectId>{document.topLevel[0], document.topLevel[0]}));
    EXPECT_EQ(mesh.height, 2u);

    // A reference forward, or to itself, is malformed: the object and what follows are lost.
    Document forward;
    ASSERT_EQ(ParseDocument("Frame A { }\nFrame B { { C } }\nFrame C { }\n", forward), D3D_OK);
    EXPECT_EQ(forward.topLevel.size(), 1u);
    Document self;
    ASSERT_EQ(ParseDocument("Frame A { { A } }\n", self), D3D_OK);
    EXPECT_TRUE(self.topLevel.empty());
}

TEST(XFileDocument, MalformedObjectsEndTheDocumentAndOnlyLeadingTemplatesFailIt) {
    for (const char* tail :
         {"Mesh { 1.0 2.0 }", "Mesh { 1.0; } }", "Mesh { 1.0;", "Mesh { \"open }", "Mesh { < }",
          "{ 1.0; }", "1.0;", "Mesh { 1.0; <AB> }", "Mesh a#b { }", "Mesh { { } }",
          "Mesh { <AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA> }"}) {
        // The document points into the text: it must outlive the document.
        std::string text = std::string("Frame Kept { }\n") + tail + "\nFrame Lost { }\n";
        Document document;
        ASSERT_EQ(ParseDocument(text, document), D3D_OK) << tail;
        ASSERT_EQ(document.topLevel.size(), std::string_view(tail) == "Mesh { 1.0; } }" ? 2u : 1u)
            << tail;
        EXPECT_EQ(document.objects[document.topLevel[0]].name, "Kept");
    }

    Document document;
    ASSERT_EQ(ParseDocument(R"(
template Vector { <3D82AB5E-62DA-11CF-AB39-0020AF71E433> FLOAT x; FLOAT y; FLOAT z; }
template Open { <11111111-2222-3333-4444-555555555555> [...] }
Header { 1; 0; 1; }
)",
                            document),
              D3D_OK);
    ASSERT_EQ(document.topLevel.size(), 1u);
    EXPECT_EQ(document.objects[document.topLevel[0]].type, "Header");
    Document broken;
    EXPECT_EQ(ParseDocument("template Vector { FLOAT x;\n", broken), kParseError);
    EXPECT_EQ(ParseDocument("template { }\n", broken), kParseError);
    Document late;
    EXPECT_EQ(ParseDocument("Header { 1; }\ntemplate Vector { FLOAT x;\n", late), D3D_OK);
    EXPECT_EQ(late.topLevel.size(), 1u);
}

TEST(XFileDocument, NestingAndReferenceChainsAreBounded) {
    auto nested = [](std::uint32_t depth) {
        std::string text;
        for (std::uint32_t i = 0; i < depth; ++i) {
            text += "Frame {\n";
        }
        return text + std::string(depth, '}');
    };
    std::string deepestText = nested(kMaxDepth);
    Document deepest;
    ASSERT_EQ(ParseDocument(deepestText, deepest), D3D_OK);
    EXPECT_EQ(deepest.topLevel.size(), 1u);
    std::string tooDeepText = nested(kMaxDepth + 1);
    Document tooDeep;
    ASSERT_EQ(ParseDocument(tooDeepText, tooDeep), D3D_OK);
    EXPECT_TRUE(tooDeep.topLevel.empty());

    // Each frame refers to the one before: the chain is as deep as nesting would be.
    std::string chain = "Frame F0 { }\n";
    for (std::uint32_t i = 1; i <= kMaxDepth; ++i) {
        chain += "Frame F" + std::to_string(i) + " { { F" + std::to_string(i - 1) + " } }\n";
    }
    Document document;
    ASSERT_EQ(ParseDocument(chain, document), D3D_OK);
    EXPECT_EQ(document.topLevel.size(), kMaxDepth) << "the last link is one too deep";
}

} // namespace
} // namespace d3dx::xfile
