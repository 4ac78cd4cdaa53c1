// The message box of each failed Direct3D call, by step and result.
#include "render/d3d_error.h"

#include <d3d9.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(D3DErrorMessage, EachStepNamesItsResults) {
    struct Row {
        int step;
        HRESULT result;
        const char* text;
    };
    const Row rows[] = {
        {0, D3DERR_INVALIDCALL, "Error calling GetDeviceCaps: Invalid call."},
        {0, D3DERR_INVALIDDEVICE, "Error calling GetDeviceCaps: Invalid device."},
        {0, D3DERR_OUTOFVIDEOMEMORY, "Error calling GetDeviceCaps: Out of video memory."},
        {0, D3DERR_NOTAVAILABLE, "Error calling GetDeviceCaps: Not available."},
        {0, E_FAIL, "Error calling GetDeviceCaps: Unknown error."},
        {1, D3DERR_INVALIDCALL, "Error calling GetDisplayMode: Invalid call."},
        {1, D3DERR_NOTAVAILABLE, "Error calling GetDisplayMode: Unknown error."},
        {2, D3DERR_NOTAVAILABLE, "Error calling CheckDeviceMultiSampleType: Not available."},
        {2, D3DERR_INVALIDDEVICE, "Error calling CheckDeviceMultiSampleType: Invalid device."},
        {2, D3DERR_INVALIDCALL, "Error calling CheckDeviceMultiSampleType: Invalid call."},
        {2, E_OUTOFMEMORY, "Error calling CheckDeviceMultiSampleType: Unknown error."},
        {3, D3DERR_INVALIDCALL, "Error calling CreateDevice: Invalid call."},
        {3, D3DERR_DEVICELOST, "Error calling CreateDevice: Device was lost."},
        {3, D3DERR_OUTOFVIDEOMEMORY, "Error calling CreateDevice: Out of video memory."},
        {3, D3DERR_NOTAVAILABLE, "Error calling CreateDevices: Not available."},
        {3, E_FAIL, "Error calling CreateDevices: Unknown error."},
        {4, D3DERR_INVALIDCALL, "Error calling Clear: Invalid call."},
        {4, D3DERR_DEVICELOST, "Error calling Clear: Unknown error."},
        {5, D3DERR_DRIVERINTERNALERROR,
         "Error calling Present: An internal error occured within the driver."},
        {5, D3DERR_DEVICELOST, "Error calling Present: Device was lost."},
        {5, D3DERR_INVALIDCALL, "Error calling Present: Invalid call."},
        {5, D3DERR_NOTAVAILABLE, "Error calling Present: Unknown error."},
    };
    for (const Row& row : rows) {
        const char* text = D3DErrorMessage(row.result, row.step);
        ASSERT_NE(text, nullptr) << row.step;
        EXPECT_STREQ(text, row.text);
    }
}

TEST(ReportD3DError, ShowsTheBoxOnlyForKnownSteps) {
    setenv("RW_NO_DIALOGS", "1", 1);
    ::testing::internal::CaptureStderr();
    ReportD3DError(D3DERR_NOTAVAILABLE, StepCheckDeviceMultiSampleType);
    ReportD3DError(D3DERR_INVALIDCALL, 6);
    ReportD3DError(D3DERR_INVALIDCALL, -1);
    const std::string shown = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(shown, "Error: Error calling CheckDeviceMultiSampleType: Not available.\n");
}

} // namespace
