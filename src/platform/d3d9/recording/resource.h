// What buffers and textures share: the device that made them and the video memory they take.
#pragma once

#include "object.h"

#include <cstddef>

namespace d3d9rec::detail {

class Device;

class DeviceResource : public RecordedObject {
public:
    Device* OwnerDevice() const { return device_; }

protected:
    // `videoBytes` must already be reserved; the resource gives them back when destroyed.
    DeviceResource(Device* device, std::size_t videoBytes);
    ~DeviceResource() override;

    // IDirect3DResource9::GetDevice, logged on this resource.
    HRESULT ReturnDevice(IDirect3DDevice9** device);

private:
    Device* device_;
    std::size_t videoBytes_;
};

} // namespace d3d9rec::detail
