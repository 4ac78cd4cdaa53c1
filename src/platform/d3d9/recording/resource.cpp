#include "resource.h"

#include "device.h"
#include "recorder.h"

namespace d3d9rec::detail {

DeviceResource::DeviceResource(Device* device, std::size_t videoBytes)
    : RecordedObject(device), device_(device), videoBytes_(videoBytes) {}

DeviceResource::~DeviceResource() {
    FreeVideoMemory(videoBytes_);
}

HRESULT DeviceResource::ReturnDevice(IDirect3DDevice9** device) {
    PendingCall call("GetDevice", Id(), {Value()});
    if (call.Injected() || !device) {
        if (device) {
            *device = nullptr;
        }
        return call.Finish(D3DERR_INVALIDCALL);
    }
    device_->AddRef();
    *device = device_;
    call.SetArg(0, ObjectRef{device_->Id()});
    return call.Finish(D3D_OK);
}

} // namespace d3d9rec::detail
