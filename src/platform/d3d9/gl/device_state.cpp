#include "device.h"

#include "texture.h"

#include <algorithm>
#include <cstring>

namespace d3d9gl::detail {
namespace {

using d3d9common::kIdentity;
using d3d9common::KnownRenderState;
using d3d9common::KnownTransform;

// The light LightEnable makes for an index that was never set: white, pointing along +z.
D3DLIGHT9 DefaultLight() {
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1, 1, 1, 0};
    light.Direction = {0, 0, 1};
    return light;
}

} // namespace

// The platform's defaults for every state the device reads; any other state starts at 0.
void Device::ResetStates() {
    d3d9common::SetDefaultRenderStates(renderStates_, params_.EnableAutoDepthStencil);

    for (DWORD stage = 0; stage < kTextureStages; ++stage) {
        auto& states = stageStates_[stage];
        states.fill(0);
        states[D3DTSS_COLOROP] = stage == 0 ? D3DTOP_MODULATE : D3DTOP_DISABLE;
        states[D3DTSS_COLORARG1] = D3DTA_TEXTURE;
        states[D3DTSS_COLORARG2] = D3DTA_CURRENT;
        states[D3DTSS_ALPHAOP] = stage == 0 ? D3DTOP_SELECTARG1 : D3DTOP_DISABLE;
        states[D3DTSS_ALPHAARG1] = D3DTA_TEXTURE;
        states[D3DTSS_ALPHAARG2] = D3DTA_CURRENT;
        states[D3DTSS_TEXCOORDINDEX] = stage;
    }
    // Point sampling from the top level, wrapping: ADDRESSU/V/W 1, MAGFILTER/MINFILTER POINT,
    // MIPFILTER NONE, MAXANISOTROPY 1.
    constexpr DWORD kAddressW = 3, kMaxAnisotropy = 10;
    for (auto& states : samplerStates_) {
        states.fill(0);
        states[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
        states[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
        states[kAddressW] = D3DTADDRESS_WRAP;
        states[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
        states[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
        states[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
        states[kMaxAnisotropy] = 1;
    }
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if (!KnownRenderState(state)) {
        return D3DERR_INVALIDCALL;
    }
    renderStates_[state] = value;
    return D3D_OK;
}

HRESULT Device::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) {
    if (!KnownRenderState(state) || !value) {
        return D3DERR_INVALIDCALL;
    }
    *value = renderStates_[state];
    return D3D_OK;
}

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (!KnownTransform(state) || !matrix) {
        return D3DERR_INVALIDCALL;
    }
    transforms_[state] = *matrix;
    transformsChanged_ = true;
    return D3D_OK;
}

HRESULT Device::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) {
    if (!KnownTransform(state) || !matrix) {
        return D3DERR_INVALIDCALL;
    }
    auto it = transforms_.find(state);
    *matrix = it == transforms_.end() ? kIdentity : it->second;
    return D3D_OK;
}

HRESULT Device::SetLight(DWORD index, const D3DLIGHT9* light) {
    if (!light || light->Type < D3DLIGHT_POINT || light->Type > D3DLIGHT_DIRECTIONAL) {
        return D3DERR_INVALIDCALL;
    }
    lights_[index] = *light;
    lightsChanged_ = true;
    return D3D_OK;
}

HRESULT Device::LightEnable(DWORD index, BOOL enable) {
    if (!lights_.count(index)) {
        lights_[index] = DefaultLight();
    }
    auto found = std::find(enabledLights_.begin(), enabledLights_.end(), index);
    if (enable && found == enabledLights_.end()) {
        enabledLights_.push_back(index);
    } else if (!enable && found != enabledLights_.end()) {
        enabledLights_.erase(found);
    }
    lightsChanged_ = true;
    return D3D_OK;
}

HRESULT Device::SetMaterial(const D3DMATERIAL9* material) {
    if (!material) {
        return D3DERR_INVALIDCALL;
    }
    material_ = *material;
    return D3D_OK;
}

HRESULT Device::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    auto* ours = dynamic_cast<Texture*>(texture);
    // A texture must be one this device made.
    if (stage >= kSamplers || (texture && (!ours || ours->OwnerDevice() != this))) {
        return D3DERR_INVALIDCALL;
    }
    d3d9common::Rebind(textures_[stage], ours);
    return D3D_OK;
}

HRESULT Device::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    if (stage >= kTextureStages || type == 0 || DWORD(type) > kHighestStageState) {
        return D3DERR_INVALIDCALL;
    }
    stageStates_[stage][type] = value;
    return D3D_OK;
}

HRESULT Device::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (sampler >= kSamplers || type == 0 || DWORD(type) > kHighestSamplerState) {
        return D3DERR_INVALIDCALL;
    }
    samplerStates_[sampler][type] = value;
    return D3D_OK;
}

} // namespace d3d9gl::detail
