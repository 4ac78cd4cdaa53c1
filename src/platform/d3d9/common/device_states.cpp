#include "device_states.h"

#include <algorithm>

namespace d3d9common {

void SetDefaultRenderStates(std::span<DWORD, kHighestRenderState + 1> states,
                            BOOL autoDepthStencil) {
    // Off by default, so 0: alpha test and blending, fog, specular, stencil, dithering,
    // normal renormalisation, the ambient colour.
    std::fill(states.begin(), states.end(), 0);
    auto set = [&states](D3DRENDERSTATETYPE state, DWORD value) { states[state] = value; };
    set(D3DRS_ZENABLE, autoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE);
    set(D3DRS_FILLMODE, D3DFILL_SOLID);
    set(D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
    set(D3DRS_ZWRITEENABLE, TRUE);
    set(D3DRS_SRCBLEND, D3DBLEND_ONE);
    set(D3DRS_DESTBLEND, D3DBLEND_ZERO);
    set(D3DRS_CULLMODE, D3DCULL_CCW);
    set(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
    set(D3DRS_ALPHAFUNC, D3DCMP_ALWAYS);
    set(D3DRS_CLIPPING, TRUE);
    set(D3DRS_LIGHTING, TRUE);
    set(D3DRS_COLORVERTEX, TRUE);
    set(D3DRS_LOCALVIEWER, TRUE);
    set(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1);
    set(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_COLOR2);
    set(D3DRS_AMBIENTMATERIALSOURCE, D3DMCS_MATERIAL);
    set(D3DRS_EMISSIVEMATERIALSOURCE, D3DMCS_MATERIAL);
    set(D3DRS_MULTISAMPLEANTIALIAS, TRUE);
}

} // namespace d3d9common
