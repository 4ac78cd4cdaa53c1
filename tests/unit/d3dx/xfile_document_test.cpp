// Reading .x text into data objects: names, values, children, references, templates, limits.
#include <d3d9.h>

#include "../../../src/platform/d3dx/xfile/xfile_document.h"

#include <gtest/gtest.h>

#include <string>

namespace d3dx::xfile {
namespace {

constexpr HRESULT kParseError = MAKE_HRESULT(1, 0x876, 866);

std::vector<std::string> ValuesOf(const DataObject& object) {
    std::vector<std::string> out;
    for (const Value& value : object.values) {
        out.push_back(value.quoted ? "\"" + std::string(value.text) + "\""
                                   : std::string(value.text));
    }
    return out;
}

const DataObject& TopLevel(const Document& document, std::size_t i) {
    return document.objects.at(document.topLevel.at(i));
}

TEST(XFileDocument, ObjectsKeepTheirTypeNameValuesAndChildren) {
    Document document;
    ASSERT_EQ(ParseDocument(R"(
Mesh Box { <3D82AB44-62DA-11CF-AB39-0020AF71E433>
  2; 1.0; "x"
  MeshNormals { 0;; 0;; }
  Material Red.001 { 1.0;; }
}
Frame { }
)",
                            document),
              D3D_OK);
    ASSERT_EQ(document.topLevel.size(), 2u);
    const DataObject& mesh = TopLevel(document, 0);
    EXPECT_EQ(mesh.type, "Mesh");
    EXPECT_EQ(mesh.name, "Box");
    EXPECT_EQ(ValuesOf(mesh), (std::vector<std::string>{"2", "1.0", "\"x\""}));
    ASSERT_EQ(mesh.children.size(), 2u);
    EXPECT_EQ(document.objects[mesh.children[0]].type, "MeshNormals");
    EXPECT_EQ(document.objects[mesh.children[0]].name, "");
    EXPECT_EQ(document.objects[mesh.children[1]].name, "Red.001");
    EXPECT_EQ(mesh.height, 2u);
    EXPECT_EQ(TopLevel(document, 1).type, "Frame");
}

TEST(XFileDocument, ReferencesPointAtEarlierNamedObjects) {
    Document document;
    ASSERT_EQ(ParseDocument("Material Red { 1.0; }\nMesh { 1; {Red} { Red <AB-CD> } }\n", document),
              D3D_OK);
    const DataObject& mesh = TopLevel(document, 1);
    ASSERT_EQ(mesh.children.size(), 2u);
    EXPECT_EQ(mesh.children[0], document.topLevel[0]);
    EXPECT_EQ(mesh.children[1], document.topLevel[0]);

    // A reference forward, or to itself, is malformed: the object and what follows are lost.
    Document forward;
    ASSERT_EQ(ParseDocument("Frame A { }\nFrame B { { C } }\nFrame C { }\n", forward), D3D_OK);
    EXPECT_EQ(forward.topLevel.size(), 1u);
    Document self;
    ASSERT_EQ(ParseDocument("Frame A { { A } }\n", self), D3D_OK);
    EXPECT_TRUE(self.topLevel.empty());
}

TEST(XFileDocument, TemplatesAreSkippedAndOnlyLeadingOnesFailTheFile) {
    Document document;
    ASSERT_EQ(ParseDocument(R"(
template Vector { <3D82AB5E-62DA-11CF-AB39-0020AF71E433> FLOAT x; FLOAT y; FLOAT z; }
template Open { <11111111-2222-3333-4444-555555555555> [...] }
Header { 1; 0; 1; }
)",
                            document),
              D3D_OK);
    ASSERT_EQ(document.topLevel.size(), 1u);
    EXPECT_EQ(TopLevel(document, 0).type, "Header");

    Document broken;
    EXPECT_EQ(ParseDocument("template Vector { FLOAT x;\n", broken), kParseError);
    EXPECT_EQ(ParseDocument("template { }\n", broken), kParseError);
    Document late;
    EXPECT_EQ(ParseDocument("Header { 1; }\ntemplate Vector { FLOAT x;\n", late), D3D_OK);
    EXPECT_EQ(late.topLevel.size(), 1u);
}

TEST(XFileDocument, AMalformedObjectEndsTheDocumentButKeepsWhatCameBefore) {
    for (const char* tail :
         {"Mesh { 1.0 2.0 }", "Mesh { 1.0; } }", "Mesh { 1.0;", "Mesh { \"open }", "Mesh { < }",
          "{ 1.0; }", "1.0;", "Mesh { 1.0; <AB> }", "Mesh a#b { }", "Mesh { { } }"}) {
        // The document points into the text: it must outlive the document.
        std::string text = std::string("Frame Kept { }\n") + tail + "\nFrame Lost { }\n";
        Document document;
        ASSERT_EQ(ParseDocument(text, document), D3D_OK) << tail;
        ASSERT_EQ(document.topLevel.size(), std::string_view(tail) == "Mesh { 1.0; } }" ? 2u : 1u)
            << tail;
        EXPECT_EQ(TopLevel(document, 0).name, "Kept");
    }
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
