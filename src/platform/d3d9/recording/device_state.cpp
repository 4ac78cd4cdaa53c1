#include "device.h"

#include "recorder.h"
#include "texture.h"

namespace d3d9rec::detail {
using d3d9common::kIdentity;
using d3d9common::KnownRenderState;
using d3d9common::KnownTransform;

// The platform's defaults for the states the game uses; any other state starts at 0.
void Device::ResetRenderStates() {
    d3d9common::SetDefaultRenderStates(renderStates_, params_.EnableAutoDepthStencil);
}

D3DMATRIX Device::Transform(DWORD state) const {
    auto it = transforms_.find(state);
    return it == transforms_.end() ? kIdentity : it->second;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    PendingCall call("SetRenderState", Id(), {state, value});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!KnownRenderState(state)) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    renderStates_[state] = value;
    return call.Finish(D3D_OK);
}

HRESULT Device::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) {
    PendingCall call("GetRenderState", Id(), {state, Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!KnownRenderState(state) || !value) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *value = renderStates_[state];
    call.SetArg(1, *value);
    return call.Finish(D3D_OK);
}

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    PendingCall call("SetTransform", Id(), {state, matrix ? Value(*matrix) : Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!KnownTransform(state) || !matrix) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    transforms_[state] = *matrix;
    return call.Finish(D3D_OK);
}

HRESULT Device::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) {
    PendingCall call("GetTransform", Id(), {state, Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!KnownTransform(state) || !matrix) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    *matrix = Transform(state);
    call.SetArg(1, *matrix);
    return call.Finish(D3D_OK);
}

HRESULT Device::SetLight(DWORD index, const D3DLIGHT9* light) {
    PendingCall call("SetLight", Id(), {index, light ? Value(*light) : Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    if (!light || light->Type < D3DLIGHT_POINT || light->Type > D3DLIGHT_DIRECTIONAL) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    return call.Finish(D3D_OK);
}

HRESULT Device::LightEnable(DWORD index, BOOL enable) {
    PendingCall call("LightEnable", Id(), {index, enable});
    return call.Finish(D3D_OK);
}

HRESULT Device::SetMaterial(const D3DMATERIAL9* material) {
    PendingCall call("SetMaterial", Id(), {material ? Value(*material) : Value()});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    return call.Finish(material ? D3D_OK : D3DERR_INVALIDCALL);
}

HRESULT Device::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    auto* ours = dynamic_cast<Texture*>(texture);
    PendingCall call("SetTexture", Id(), {stage, ObjectRef{IdOf(texture)}});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    // A texture must be one this device made.
    if (stage >= kSamplers || (texture && (!ours || ours->OwnerDevice() != this))) {
        return call.Finish(D3DERR_INVALIDCALL);
    }
    Rebind(textures_[stage], ours);
    return call.Finish(D3D_OK);
}

HRESULT Device::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) {
    constexpr DWORD kHighestStageState = 32; // D3DTSS_CONSTANT
    PendingCall call("SetTextureStageState", Id(), {stage, type, value});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    bool known = stage < kTextureStages && type > 0 && DWORD(type) <= kHighestStageState;
    return call.Finish(known ? D3D_OK : D3DERR_INVALIDCALL);
}

HRESULT Device::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    constexpr DWORD kHighestSamplerState = 13; // D3DSAMP_DMAPOFFSET
    PendingCall call("SetSamplerState", Id(), {sampler, type, value});
    if (call.Injected()) {
        return call.Finish(D3D_OK);
    }
    bool known = sampler < kSamplers && type > 0 && DWORD(type) <= kHighestSamplerState;
    return call.Finish(known ? D3D_OK : D3DERR_INVALIDCALL);
}

} // namespace d3d9rec::detail
