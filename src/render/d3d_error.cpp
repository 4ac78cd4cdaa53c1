#include "render/d3d_error.h"

#include <d3d9.h>

namespace {

struct ErrorText {
    HRESULT result;
    const char* text;
};

// Each step's named results; the last row of a step answers every other result. The
// spellings are the game's own and are kept as they are.
constexpr ErrorText kGetDeviceCaps[] = {
    {D3DERR_INVALIDCALL, "Error calling GetDeviceCaps: Invalid call."},
    {D3DERR_INVALIDDEVICE, "Error calling GetDeviceCaps: Invalid device."},
    {D3DERR_OUTOFVIDEOMEMORY, "Error calling GetDeviceCaps: Out of video memory."},
    {D3DERR_NOTAVAILABLE, "Error calling GetDeviceCaps: Not available."},
    {S_OK, "Error calling GetDeviceCaps: Unknown error."},
};
constexpr ErrorText kGetDisplayMode[] = {
    {D3DERR_INVALIDCALL, "Error calling GetDisplayMode: Invalid call."},
    {S_OK, "Error calling GetDisplayMode: Unknown error."},
};
constexpr ErrorText kCheckMultiSample[] = {
    {D3DERR_NOTAVAILABLE, "Error calling CheckDeviceMultiSampleType: Not available."},
    {D3DERR_INVALIDDEVICE, "Error calling CheckDeviceMultiSampleType: Invalid device."},
    {D3DERR_INVALIDCALL, "Error calling CheckDeviceMultiSampleType: Invalid call."},
    {S_OK, "Error calling CheckDeviceMultiSampleType: Unknown error."},
};
constexpr ErrorText kCreateDevice[] = {
    {D3DERR_INVALIDCALL, "Error calling CreateDevice: Invalid call."},
    {D3DERR_DEVICELOST, "Error calling CreateDevice: Device was lost."},
    {D3DERR_OUTOFVIDEOMEMORY, "Error calling CreateDevice: Out of video memory."},
    {D3DERR_NOTAVAILABLE, "Error calling CreateDevices: Not available."},
    {S_OK, "Error calling CreateDevices: Unknown error."},
};
constexpr ErrorText kClear[] = {
    {D3DERR_INVALIDCALL, "Error calling Clear: Invalid call."},
    {S_OK, "Error calling Clear: Unknown error."},
};
constexpr ErrorText kPresent[] = {
    {D3DERR_DRIVERINTERNALERROR,
     "Error calling Present: An internal error occured within the driver."},
    {D3DERR_DEVICELOST, "Error calling Present: Device was lost."},
    {D3DERR_INVALIDCALL, "Error calling Present: Invalid call."},
    {S_OK, "Error calling Present: Unknown error."},
};

template <std::size_t N> const char* Lookup(const ErrorText (&rows)[N], HRESULT result) {
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (rows[i].result == result) {
            return rows[i].text;
        }
    }
    return rows[N - 1].text;
}

} // namespace

const char* D3DErrorMessage(HRESULT result, int step) {
    switch (step) {
    case StepGetDeviceCaps:
        return Lookup(kGetDeviceCaps, result);
    case StepGetDisplayMode:
        return Lookup(kGetDisplayMode, result);
    case StepCheckDeviceMultiSampleType:
        return Lookup(kCheckMultiSample, result);
    case StepCreateDevice:
        return Lookup(kCreateDevice, result);
    case StepClear:
        return Lookup(kClear, result);
    case StepPresent:
        return Lookup(kPresent, result);
    default:
        return nullptr;
    }
}

void ReportD3DError(HRESULT result, int step) {
    if (const char* text = D3DErrorMessage(result, step)) {
        ShowErrorBox(text);
    }
}

void ShowErrorBox(const char* text) {
    MessageBoxA(nullptr, text, "Error", MB_OK);
}
