#include "content_fixture.h"

#include "../d3d9/recording_fixture.h"

#include <cstdlib>

namespace content_test {

void ContentTest::SetUp() {
    setenv("ALSOFT_DRIVERS", "null", 1);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(RW_CONTENT_DIR);
    d3d9rec::Reset();
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS params = d3d9rec::testing::WindowedParameters();
    ASSERT_EQ(d3d9rec::testing::CreateDeviceOn(d3d_, params, &device_), D3D_OK);
    player_ = std::make_unique<CSoundPlayer>(d3d9rec::testing::FakeWindow());
    ASSERT_TRUE(player_->IsReady()) << "OpenAL's null device";
    catalog_ = std::make_unique<CCatalog>(device_, player_.get());
}

void ContentTest::TearDown() {
    catalog_.reset();
    player_.reset();
    if (device_ != nullptr) {
        device_->Release();
    }
    if (d3d_ != nullptr) {
        d3d_->Release();
    }
    EXPECT_EQ(d3d9rec::LiveObjects(), 0u);
    std::filesystem::current_path(previous_);
}

std::vector<std::string> ContentTest::LevelPaths() const {
    std::vector<std::string> paths;
    for (const std::string& file : catalog_->m_levels) {
        paths.push_back("levels\\" + file);
    }
    return paths;
}

std::vector<D3DXVECTOR3> ContentTest::Positions(const std::string& model) {
    std::vector<D3DXVECTOR3> positions;
    ID3DXMesh* mesh = catalog_->GetModel(model).pMesh;
    if (mesh == nullptr) {
        ADD_FAILURE() << model << " has no mesh";
        return positions;
    }
    const DWORD stride = mesh->GetNumBytesPerVertex();
    void* data = nullptr;
    EXPECT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    for (DWORD i = 0; i < mesh->GetNumVertices(); ++i) {
        positions.push_back(
            *reinterpret_cast<const D3DXVECTOR3*>(static_cast<const char*>(data) + i * stride));
    }
    mesh->UnlockVertexBuffer();
    return positions;
}

} // namespace content_test
