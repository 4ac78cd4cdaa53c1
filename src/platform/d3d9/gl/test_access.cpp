#include "d3d9_gl.h"

#include "device.h"

namespace d3d9gl {
namespace {

detail::Device* OurDevice(IDirect3DDevice9* device) {
    return dynamic_cast<detail::Device*>(device);
}

} // namespace

std::vector<D3DCOLOR> ReadBackBuffer(IDirect3DDevice9* device, const RECT& area) {
    detail::Device* ours = OurDevice(device);
    return ours ? ours->ReadBackBuffer(area) : std::vector<D3DCOLOR>{};
}

std::uint64_t GlCallCount(IDirect3DDevice9* device) {
    detail::Device* ours = OurDevice(device);
    return ours ? ours->Gl().Calls() : 0;
}

int FramebufferSamples(IDirect3DDevice9* device) {
    detail::Device* ours = OurDevice(device);
    return ours ? ours->FramebufferSamples() : 0;
}

} // namespace d3d9gl
