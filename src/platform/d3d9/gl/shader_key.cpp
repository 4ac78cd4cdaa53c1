#include "shader_key.h"

#include "vertex_layout.h"

#include <algorithm>

namespace d3d9gl::detail {
namespace {

// Argument flags: take 1 - the value; take the value's alpha in every channel.
constexpr DWORD kArgComplement = 0x10;
constexpr DWORD kArgAlphaReplicate = 0x20;

// Which colour a lit vertex takes for a material colour: 1 the vertex's diffuse colour,
// 2 its specular colour, 0 the material's own (also when the vertex has no such colour).
int MaterialSource(DWORD source, bool colourVertex, const VertexLayout& layout) {
    if (colourVertex && source == D3DMCS_COLOR1 && layout.attributes[kDiffuseAttribute].present) {
        return 1;
    }
    if (colourVertex && source == D3DMCS_COLOR2 && layout.attributes[kSpecularAttribute].present) {
        return 2;
    }
    return 0;
}

// The operations the shader knows keep the platform's numbers (DISABLE 1 to ADD 7); any
// other acts as 0, which passes the diffuse colour through.
int StageOp(DWORD op) {
    return op >= D3DTOP_DISABLE && op <= D3DTOP_ADD ? int(op) : 0;
}

// An argument's source (TEXTURE, TFACTOR, SPECULAR, or 0 for the diffuse colour, which is also
// the current colour at the first stage) and its COMPLEMENT and ALPHAREPLICATE flags.
int StageArg(DWORD arg) {
    DWORD select = arg & D3DTA_SELECTMASK;
    bool known = select == D3DTA_TEXTURE || select == D3DTA_TFACTOR || select == D3DTA_SPECULAR;
    return int((known ? select : 0) | (arg & (kArgComplement | kArgAlphaReplicate)));
}

} // namespace

ShaderKey MakeShaderKey(const ShaderKeyStates& states, const VertexLayout& layout) {
    auto rs = [&states](D3DRENDERSTATETYPE state) { return states.renderStates[state]; };
    const DWORD* stage = states.stageStates;
    ShaderKey key;
    key.pretransformed = layout.pretransformed;
    key.hasDiffuse = layout.attributes[kDiffuseAttribute].present;
    key.hasSpecular = layout.attributes[kSpecularAttribute].present;
    key.specularEnable = rs(D3DRS_SPECULARENABLE) != FALSE;
    key.lighting = !layout.pretransformed && rs(D3DRS_LIGHTING) != FALSE;
    if (key.lighting) {
        key.hasNormal = layout.attributes[kNormalAttribute].present;
        key.localViewer = rs(D3DRS_LOCALVIEWER) != FALSE;
        key.normalizeNormals = rs(D3DRS_NORMALIZENORMALS) != FALSE;
        bool colourVertex = rs(D3DRS_COLORVERTEX) != FALSE;
        key.diffuseSource = MaterialSource(rs(D3DRS_DIFFUSEMATERIALSOURCE), colourVertex, layout);
        key.ambientSource = MaterialSource(rs(D3DRS_AMBIENTMATERIALSOURCE), colourVertex, layout);
        key.specularSource = MaterialSource(rs(D3DRS_SPECULARMATERIALSOURCE), colourVertex, layout);
        key.emissiveSource = MaterialSource(rs(D3DRS_EMISSIVEMATERIALSOURCE), colourVertex, layout);
        key.lightCount = std::clamp(states.enabledLights, 0, kMaxLights);
    }
    key.hasTexture = states.hasTexture;
    key.colorOp = StageOp(stage[D3DTSS_COLOROP]);
    if (key.colorOp != D3DTOP_DISABLE) {
        key.colorArg1 = StageArg(stage[D3DTSS_COLORARG1]);
        key.colorArg2 = StageArg(stage[D3DTSS_COLORARG2]);
        key.alphaOp = StageOp(stage[D3DTSS_ALPHAOP]);
        if (key.alphaOp != D3DTOP_DISABLE) {
            key.alphaArg1 = StageArg(stage[D3DTSS_ALPHAARG1]);
            key.alphaArg2 = StageArg(stage[D3DTSS_ALPHAARG2]);
        }
    }
    DWORD alphaFunc =
        rs(D3DRS_ALPHATESTENABLE) != FALSE ? rs(D3DRS_ALPHAFUNC) : DWORD(D3DCMP_ALWAYS);
    key.alphaFunc = alphaFunc >= D3DCMP_NEVER && alphaFunc <= D3DCMP_ALWAYS ? int(alphaFunc)
                                                                            : int(D3DCMP_ALWAYS);
    return key;
}

} // namespace d3d9gl::detail
