// The log keeps every call in order, on its object, with copies of the arguments.
#include "recording_fixture.h"

#include <gmock/gmock.h>

namespace d3d9rec::testing {
namespace {

using ::testing::ElementsAre;

class CallLogTest : public RecordingTest {};

TEST_F(CallLogTest, CallsKeepCopiesOfTheirStructuresInOrderOnTheirObjects) {
    D3DMATRIX world{};
    world._41 = 3.5f;
    D3DRECT rect{1, 2, 3, 4};
    IDirect3DTexture9* texture = MakeTexture(4, 4);
    device->SetTransform(D3DTS_WORLD, &world);
    world._41 = -1; // the log must hold a copy, not the caller's memory
    device->Clear(1, &rect, D3DCLEAR_TARGET, 0xff102030, 1.0f, 0);
    device->SetTexture(0, texture);
    device->Present(nullptr, nullptr, nullptr, nullptr);

    EXPECT_THAT(MethodNames(),
                ElementsAre("CreateTexture", "SetTransform", "Clear", "SetTexture", "Present"));
    const auto& log = Log();
    EXPECT_EQ(log[0].args[6].Object(), IdOf(texture));
    EXPECT_EQ(log[1].args[1].As<D3DMATRIX>()._41, 3.5f);
    EXPECT_EQ(log[2].args[1].As<std::vector<D3DRECT>>().at(0).y2, 4);
    EXPECT_TRUE(log[4].args[0].IsNull());
    EXPECT_EQ(CallsOn(IdOf(device)).size(), 5u);
    EXPECT_EQ(log[3].ToString(), "SetTexture@" + std::to_string(IdOf(device)) + "(0, #" +
                                     std::to_string(IdOf(texture)) + ") -> D3D_OK");
    texture->Release();

    // Lock and Unlock are logged on the buffer, not the device.
    IDirect3DVertexBuffer9* buffer = MakePositions({{1, 2, 3}});
    const ObjectId id = IdOf(buffer);
    ASSERT_EQ(CallsOn(id).size(), 2u);
    EXPECT_EQ(CallsOn(id)[0].method, "Lock");
    EXPECT_NE(LogText().find("Unlock@" + std::to_string(id) + "() -> D3D_OK\n"), std::string::npos);
    buffer->Release();
}

} // namespace
} // namespace d3d9rec::testing
