// The recorder: the log keeps every call in order, on its object, with copies of the
// arguments; and a test can choose the result of any call: always, for the next few calls,
// or not at all.
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

class ChosenResultTest : public RecordingTest {};

TEST_F(ChosenResultTest, FailCallHoldsUntilClearedAndFailNextCallsForItsCount) {
    FailCall("Present", D3DERR_DEVICELOST);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), D3D_OK); // other methods
    ClearFailure("Present");
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    EXPECT_EQ(CallsNamed("Present")[1].result, D3DERR_DEVICELOST);

    FailNextCalls("BeginScene", D3DERR_INVALIDCALL, 2);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->BeginScene(), D3D_OK); // the failed ones opened no scene
    FailNextCalls("EndScene", E_FAIL);       // one call by default
    EXPECT_EQ(device->EndScene(), E_FAIL);
    EXPECT_EQ(device->EndScene(), D3D_OK); // the scene was still open
}

TEST_F(ChosenResultTest, AFailedCallHasNoEffect) {
    FailCall("SetRenderState", D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetRenderState(D3DRS_LIGHTING, FALSE), D3DERR_INVALIDCALL);
    ClearFailure("SetRenderState");
    DWORD lighting = 0;
    ASSERT_EQ(device->GetRenderState(D3DRS_LIGHTING, &lighting), D3D_OK);
    EXPECT_EQ(lighting, DWORD{TRUE});

    IDirect3DVertexBuffer9* buffer = MakePositions({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    FailNextCalls("SetStreamSource", D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetStreamSource(0, buffer, 0, sizeof(Position)), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->SetFVF(D3DFVF_XYZ), D3D_OK);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL); // unbound
    FailNextCalls("DrawPrimitive", D3DERR_DRIVERINTERNALERROR);
    BindPositions(buffer);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_DRIVERINTERNALERROR);
    EXPECT_FALSE(CallsNamed("DrawPrimitive").back().drawn) << "a failed draw drew nothing";
    EXPECT_EQ(device->EndScene(), D3D_OK);
    buffer->Release();
}

TEST_F(ChosenResultTest, FailedCreatesGiveNull) {
    FailCall("CreateTexture", D3DERR_OUTOFVIDEOMEMORY);
    auto* texture = reinterpret_cast<IDirect3DTexture9*>(1);
    EXPECT_EQ(
        device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3DERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(texture, nullptr);
    EXPECT_TRUE(CallsNamed("CreateTexture")[0].args[6].IsNull());
    EXPECT_EQ(LiveObjects(), 2u); // only the fixture's IDirect3D9 and device

    FailCall("CreateDevice", D3DERR_OUTOFVIDEOMEMORY);
    D3DPRESENT_PARAMETERS params = WindowedParameters();
    IDirect3DDevice9* second = device;
    EXPECT_EQ(CreateDeviceOn(d3d, params, &second), D3DERR_OUTOFVIDEOMEMORY);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(params.BackBufferWidth, 0u) << "a failed CreateDevice fills nothing in";

    FailNextCalls("Direct3DCreate9", E_FAIL);
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION), nullptr);
    EXPECT_EQ(LiveObjects(), 2u);
}

TEST_F(ChosenResultTest, ASuccessCodeReplacesOnlyASuccessAndResetForgetsChoices) {
    FailCall("Clear", S_FALSE);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), S_FALSE);
    EXPECT_EQ(device->Clear(0, nullptr, 0, 0, 1, 0), D3DERR_INVALIDCALL);

    FailCall("SetFVF", E_FAIL);
    FailNextCalls("SetIndices", E_FAIL, 3);
    Reset();
    EXPECT_EQ(device->SetFVF(D3DFVF_XYZ), D3D_OK);
    EXPECT_EQ(device->SetIndices(nullptr), D3D_OK);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1, 0), D3D_OK);
    EXPECT_EQ(Log().size(), 3u);
}

} // namespace
} // namespace d3d9rec::testing
