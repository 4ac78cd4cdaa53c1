// DrawSubset as the recording device sees it: the mesh's buffers bound, then one indexed draw
// per attribute table entry (or per run of faces before there is a table).
#include "mesh_test_support.h"

#include <optional>

namespace d3dx_test {
namespace {

class MeshDraw : public MeshTest {
protected:
    void SetUp() override {
        MeshTest::SetUp();
        // Four triangles with materials 0, 1, 1, 0 (sorted on load to 0, 0, 1, 1) and an
        // unused vertex.
        LoadOk(XFile(R"(
Mesh Strip {
  7; 0.0; 0.0; 0.0;, 0.0; 1.0; 0.0;, 1.0; 0.0; 0.0;, 1.0; 1.0; 0.0;, 2.0; 0.0; 0.0;,
  2.0; 1.0; 0.0;, 9.0; 9.0; 9.0;;
  4; 3; 0, 1, 2;, 3; 2, 1, 3;, 3; 2, 3, 4;, 3; 4, 3, 5;;
  MeshMaterialList { 2; 4; 0, 1, 1, 0;; )" +
                     MaterialText(1, 0, 0) + MaterialText(0, 1, 0) + "} }\n"),
               loaded.emplace());
        ASSERT_EQ(device->BeginScene(), D3D_OK);
        d3d9rec::ClearLog();
    }
    void TearDown() override {
        EXPECT_EQ(device->EndScene(), D3D_OK);
        loaded.reset(); // before the fixture checks that nothing is left
        MeshTest::TearDown();
    }

    // MinVertexIndex, NumVertices, StartIndex and PrimitiveCount of each indexed draw.
    static std::vector<std::vector<DWORD>> Draws() {
        std::vector<std::vector<DWORD>> out;
        for (const d3d9rec::Call& call : d3d9rec::CallsNamed("DrawIndexedPrimitive")) {
            EXPECT_EQ(call.result, D3D_OK);
            EXPECT_EQ(call.args[0].UInt(), DWORD{D3DPT_TRIANGLELIST});
            EXPECT_EQ(call.args[1].Int(), 0);
            out.push_back({call.args[2].UInt(), call.args[3].UInt(), call.args[4].UInt(),
                           call.args[5].UInt()});
        }
        return out;
    }

    std::optional<Loaded> loaded;
};

TEST_F(MeshDraw, BindsTheMeshBuffersThenDrawsEachRunOfTheSubset) {
    IDirect3DVertexBuffer9* vb = nullptr;
    IDirect3DIndexBuffer9* ib = nullptr;
    ASSERT_EQ(loaded->mesh->GetVertexBuffer(&vb), D3D_OK);
    ASSERT_EQ(loaded->mesh->GetIndexBuffer(&ib), D3D_OK);
    d3d9rec::ClearLog();
    EXPECT_EQ(loaded->mesh->DrawSubset(1), D3D_OK);
    ASSERT_EQ(d3d9rec::MethodNames(),
              (std::vector<std::string>{"SetFVF", "SetStreamSource", "SetIndices",
                                        "DrawIndexedPrimitive"}));
    const std::vector<d3d9rec::Call>& log = d3d9rec::Log();
    EXPECT_EQ(log[0].args[0].UInt(), DWORD{D3DFVF_XYZ});
    EXPECT_EQ(log[1].args[0].UInt(), 0u);
    EXPECT_EQ(log[1].args[1].Object(), d3d9rec::IdOf(vb));
    EXPECT_EQ(log[1].args[2].UInt(), 0u);
    EXPECT_EQ(log[1].args[3].UInt(), 12u);
    EXPECT_EQ(log[2].args[0].Object(), d3d9rec::IdOf(ib));
    // Faces 2 and 3 carry material 1: (2,1,3) and (2,3,4) after the sort on load.
    ASSERT_TRUE(log[3].drawn.has_value());
    EXPECT_EQ(log[3].drawn->indices, (std::vector<UINT>{2, 1, 3, 2, 3, 4}));
    vb->Release();
    ib->Release();

    // Without a table, each run of faces of the subset is a draw of its own.
    DWORD* attributes = nullptr;
    ASSERT_EQ(loaded->mesh->LockAttributeBuffer(0, &attributes), D3D_OK);
    attributes[0] = attributes[3] = 3;
    ASSERT_EQ(loaded->mesh->UnlockAttributeBuffer(), D3D_OK);
    d3d9rec::ClearLog();
    EXPECT_EQ(loaded->mesh->DrawSubset(3), D3D_OK);
    EXPECT_EQ(Draws(), (std::vector<std::vector<DWORD>>{{0, 7, 0, 1}, {0, 7, 9, 1}}));
}

TEST_F(MeshDraw, WithATableEachEntryIsOneDrawAndSubsetsWithoutFacesDrawNothing) {
    EXPECT_EQ(loaded->mesh->DrawSubset(7), D3D_OK);
    EXPECT_TRUE(d3d9rec::Log().empty()) << d3d9rec::LogText();
    ASSERT_EQ(
        loaded->mesh->OptimizeInplace(D3DXMESHOPT_ATTRSORT, nullptr, nullptr, nullptr, nullptr),
        D3D_OK);
    d3d9rec::ClearLog();
    EXPECT_EQ(loaded->mesh->DrawSubset(7), D3D_OK);
    EXPECT_TRUE(d3d9rec::Log().empty()) << d3d9rec::LogText();
    EXPECT_EQ(loaded->mesh->DrawSubset(0), D3D_OK);
    EXPECT_EQ(loaded->mesh->DrawSubset(1), D3D_OK);
    // Subset 0: faces (0,1,2) and (4,3,5); subset 1: faces (2,1,3) and (2,3,4).
    EXPECT_EQ(Draws(), (std::vector<std::vector<DWORD>>{{0, 6, 0, 2}, {1, 4, 6, 2}}));
}

} // namespace
} // namespace d3dx_test
