// The device state that decides what the shaders compute (as against the values they compute
// with). Each distinct key gets a program of its own with these values built in as constants,
// so the driver runs no branch on them for every vertex and fragment.
#pragma once

#include <d3d9.h>

#include <compare>

namespace d3d9gl::detail {

struct VertexLayout;

constexpr int kMaxLights = 8;

// hasNormal and the fields from localViewer to lightCount stay 0 without lighting.
struct ShaderKey {
    int pretransformed = 0;
    int hasNormal = 0;
    int hasDiffuse = 0;
    int hasSpecular = 0;
    int lighting = 0; // never with pretransformed vertices, which are not lit
    int specularEnable = 0;
    int localViewer = 0;
    int normalizeNormals = 0;
    int diffuseSource = 0; // 0 the material's colour, 1 the vertex's diffuse, 2 its specular
    int ambientSource = 0;
    int specularSource = 0;
    int emissiveSource = 0;
    int lightCount = 0;
    int hasTexture = 0;
    int colorOp = 0; // operations and arguments as the platform numbers them, unknown ones 0
    int colorArg1 = 0;
    int colorArg2 = 0;
    int alphaOp = 0;
    int alphaArg1 = 0;
    int alphaArg2 = 0;
    int alphaFunc = 0; // D3DCMP_NEVER .. D3DCMP_ALWAYS

    auto operator<=>(const ShaderKey&) const = default;
};

// The render states, stage 0 states and vertex format a key is made from.
struct ShaderKeyStates {
    const DWORD* renderStates; // indexed by D3DRENDERSTATETYPE
    const DWORD* stageStates;  // stage 0, indexed by D3DTEXTURESTAGESTATETYPE
    bool hasTexture;
    int enabledLights;
};

// The key for `states` and `layout`. Values the shaders treat alike get the same number and
// state that cannot change the result is left out, so keys stay few and any values an
// application sets give one of a bounded set of programs.
ShaderKey MakeShaderKey(const ShaderKeyStates& states, const VertexLayout& layout);

} // namespace d3d9gl::detail
