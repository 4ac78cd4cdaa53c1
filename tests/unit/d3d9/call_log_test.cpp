// The log keeps every call in order, with the arguments a test needs to check.
#include "recording_fixture.h"

#include <gmock/gmock.h>

namespace d3d9rec::testing {
namespace {

using ::testing::ElementsAre;

class CallLogTest : public RecordingTest {};

TEST(CallLog, CreationIsLoggedWithItsArgumentsAndTheObjectsMade) {
    Reset();
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    IDirect3DDevice9* device = nullptr;
    ASSERT_EQ(CreateDeviceOn(d3d, params, &device), D3D_OK);

    ASSERT_THAT(MethodNames(), ElementsAre("Direct3DCreate9", "CreateDevice"));
    const Call& create = Log()[0];
    EXPECT_EQ(create.object, 0u);
    EXPECT_EQ(create.args[0].UInt(), UINT{D3D_SDK_VERSION});
    EXPECT_EQ(create.args[1].Object(), IdOf(d3d));
    const Call& createDevice = Log()[1];
    EXPECT_EQ(createDevice.object, IdOf(d3d));
    EXPECT_EQ(createDevice.args[2].Int(), 0x1234);
    EXPECT_EQ(createDevice.args[3].UInt(), DWORD{D3DCREATE_HARDWARE_VERTEXPROCESSING});
    // The parameters as the program passed them, before the device filled them in.
    EXPECT_EQ(createDevice.args[4].As<D3DPRESENT_PARAMETERS>().BackBufferWidth, 0u);
    EXPECT_EQ(createDevice.args[5].Object(), IdOf(device));
    EXPECT_NE(IdOf(device), IdOf(d3d));
    device->Release();
    d3d->Release();
}

TEST_F(CallLogTest, StateCallsKeepFullCopiesOfTheirStructures) {
    D3DMATRIX world{};
    for (int i = 0; i < 16; ++i) {
        world.m[i / 4][i % 4] = float(i) + 0.5f;
    }
    const D3DMATRIX passed = world;
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {0.25f, 0.5f, 0.75f, 1};
    D3DMATERIAL9 material{};
    material.Power = 12;

    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetTransform(D3DTS_WORLD, &world);
    device->SetLight(2, &light);
    device->LightEnable(2, TRUE);
    device->SetMaterial(&material);
    world._11 = -1; // the log must hold a copy, not the caller's memory

    ASSERT_THAT(MethodNames(), ElementsAre("SetRenderState", "SetTransform", "SetLight",
                                           "LightEnable", "SetMaterial"));
    const auto& log = Log();
    EXPECT_EQ(log[0].args[0].Int(), D3DRS_CULLMODE);
    EXPECT_EQ(log[0].args[1].Int(), D3DCULL_NONE);
    EXPECT_EQ(log[1].args[0].Int(), 256);
    EXPECT_EQ(std::memcmp(&log[1].args[1].As<D3DMATRIX>(), &passed, sizeof passed), 0);
    EXPECT_EQ(log[2].args[1].As<D3DLIGHT9>().Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(log[2].args[1].As<D3DLIGHT9>().Diffuse.b, 0.75f);
    EXPECT_EQ(log[3].args[0].UInt(), 2u);
    EXPECT_EQ(log[4].args[0].As<D3DMATERIAL9>().Power, 12.0f);
    for (const Call& call : log) {
        EXPECT_EQ(call.object, IdOf(device));
        EXPECT_EQ(call.result, D3D_OK);
    }
}

TEST_F(CallLogTest, FrameAndResourceCallsAreLoggedInOrderOnTheirObjects) {
    IDirect3DTexture9* texture = MakeTexture(4, 4);
    D3DRECT rect{1, 2, 3, 4};
    device->Clear(1, &rect, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xff102030, 1.0f, 0);
    device->BeginScene();
    device->SetTexture(0, texture);
    device->SetTexture(0, nullptr);
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);

    EXPECT_THAT(MethodNames(), ElementsAre("CreateTexture", "Clear", "BeginScene", "SetTexture",
                                           "SetTexture", "EndScene", "Present"));
    const auto& log = Log();
    EXPECT_EQ(log[0].args[6].Object(), IdOf(texture));
    const auto& rects = log[1].args[1].As<std::vector<D3DRECT>>();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].y2, 4);
    EXPECT_EQ(log[1].args[3].UInt(), 0xff102030u);
    EXPECT_EQ(log[1].args[4].Float(), 1.0f);
    EXPECT_EQ(log[3].args[1].Object(), IdOf(texture));
    EXPECT_EQ(log[4].args[1].Object(), 0u);
    EXPECT_TRUE(log[6].args[0].IsNull());
    EXPECT_EQ(CallsOn(IdOf(device)).size(), 7u);
    EXPECT_EQ(CallsNamed("SetTexture").size(), 2u);
    EXPECT_EQ(log[3].ToString(), "SetTexture@" + std::to_string(IdOf(device)) + "(0, #" +
                                     std::to_string(IdOf(texture)) + ") -> D3D_OK");
    texture->Release();

    // Lock and Unlock are logged on the buffer, not the device.
    IDirect3DVertexBuffer9* buffer = MakePositions({{1, 2, 3}});
    ObjectId id = IdOf(buffer);
    auto onBuffer = CallsOn(id);
    ASSERT_EQ(onBuffer.size(), 2u);
    EXPECT_EQ(onBuffer[0].method, "Lock");
    EXPECT_EQ(onBuffer[0].args[1].UInt(), 0u);
    EXPECT_TRUE(onBuffer[0].args[2].IsNull());
    EXPECT_NE(LogText().find("Unlock@" + std::to_string(id) + "() -> D3D_OK\n"), std::string::npos);
    buffer->Release();
}

} // namespace
} // namespace d3d9rec::testing
