#include "render/device_setup.h"

HRESULT InitD3D(HWND window) {
    return InitD3DWith(window, kDisplayConfiguration);
}
