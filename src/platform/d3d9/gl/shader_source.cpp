#include "shader_source.h"

namespace d3d9gl::detail {
namespace {

// Vertices are lit per vertex in view space: colour = Ce + Ca (Ga + sum La)
// + sum Cd Ld max(0, N.L), specular = Cs sum Ls (N.H)^P where N.L > 0 and N.H > 0. Matrices
// arrive as the platform's row-major floats read column-major, so M * v here is v * M there.
// Screen-space (pre-transformed) vertices skip transformation and lighting.
const char* const kVertexShaderBody = R"glsl(
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aDiffuse;
layout(location = 3) in vec4 aSpecular;
layout(location = 4) in vec2 aTexCoord;

const int kFromDiffuse = 1;
const int kFromSpecular = 2;
const int kMaxLights = 8;

uniform mat4 uWorldView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform vec4 uViewport;
uniform vec2 uPixelShift;
uniform vec4 uMatDiffuse;
uniform vec4 uMatAmbient;
uniform vec4 uMatSpecular;
uniform vec4 uMatEmissive;
uniform float uMatPower;
uniform vec4 uGlobalAmbient;
uniform vec3 uLightDirection[kMaxLights];
uniform vec4 uLightDiffuse[kMaxLights];
uniform vec4 uLightSpecular[kMaxLights];
uniform vec4 uLightAmbient[kMaxLights];

out vec4 vDiffuse;
out vec4 vSpecular;
out vec2 vTexCoord;

vec4 MaterialColour(int source, vec4 material) {
    if (source == kFromDiffuse) {
        return aDiffuse;
    }
    if (source == kFromSpecular) {
        return aSpecular;
    }
    return material;
}

void Light(vec3 viewPosition) {
    vec4 cd = MaterialColour(kDiffuseSource, uMatDiffuse);
    vec4 ca = MaterialColour(kAmbientSource, uMatAmbient);
    vec4 cs = MaterialColour(kSpecularSource, uMatSpecular);
    vec4 ce = MaterialColour(kEmissiveSource, uMatEmissive);
    vec3 normal = uNormalMatrix * aNormal;
    if (kNormalizeNormals && dot(normal, normal) > 0.0) {
        normal = normalize(normal);
    }
    vec3 toViewer = kLocalViewer ? normalize(-viewPosition) : vec3(0.0, 0.0, -1.0);
    vec3 ambient = uGlobalAmbient.rgb;
    vec3 diffuse = vec3(0.0);
    vec3 specular = vec3(0.0);
    for (int i = 0; i < kLightCount; ++i) {
        ambient += uLightAmbient[i].rgb;
        if (!kHasNormal) {
            continue;
        }
        float nDotL = dot(normal, uLightDirection[i]);
        if (nDotL <= 0.0) {
            continue;
        }
        diffuse += uLightDiffuse[i].rgb * nDotL;
        if (kSpecularEnable) {
            float nDotH = dot(normal, normalize(toViewer + uLightDirection[i]));
            if (nDotH > 0.0) {
                specular += uLightSpecular[i].rgb * pow(nDotH, uMatPower);
            }
        }
    }
    vDiffuse = vec4(clamp(ce.rgb + ca.rgb * ambient + cd.rgb * diffuse, 0.0, 1.0), cd.a);
    vSpecular = vec4(clamp(cs.rgb * specular, 0.0, 1.0), 0.0);
}

void main() {
    vec4 vertexDiffuse = kHasDiffuse ? aDiffuse : vec4(1.0);
    vec4 vertexSpecular = kHasSpecular ? aSpecular : vec4(0.0);
    if (kPretransformed) {
        // x, y in pixels from the target's top left, z in 0..1, w holding 1 / w.
        float w = aPosition.w != 0.0 ? 1.0 / aPosition.w : 1.0;
        vec2 ndc = vec2((aPosition.x - uViewport.x) / uViewport.z * 2.0 - 1.0,
                        1.0 - (aPosition.y - uViewport.y) / uViewport.w * 2.0);
        gl_Position = vec4(ndc * w, (2.0 * aPosition.z - 1.0) * w, w);
        vDiffuse = vertexDiffuse;
        vSpecular = vertexSpecular;
    } else {
        vec4 viewPosition = uWorldView * vec4(aPosition.xyz, 1.0);
        gl_Position = uProjection * viewPosition;
        // The platform's projection gives z in 0..w; GL clips to -w..w.
        gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
        if (kLighting) {
            Light(viewPosition.xyz);
        } else {
            vDiffuse = vertexDiffuse;
            vSpecular = vertexSpecular;
        }
    }
    gl_Position.xy += uPixelShift * gl_Position.w;
    vTexCoord = aTexCoord;
}
)glsl";

// Texture stage 0: its colour and alpha operations on the texture and the lit colour, then
// the specular colour added, then the alpha test.
const char* const kFragmentShaderBody = R"glsl(
in vec4 vDiffuse;
in vec4 vSpecular;
in vec2 vTexCoord;

const int kOpDisable = 1;
const int kOpSelectArg1 = 2;
const int kOpSelectArg2 = 3;
const int kOpModulate = 4;
const int kOpModulate2x = 5;
const int kOpModulate4x = 6;
const int kOpAdd = 7;
const int kArgTexture = 2;
const int kArgFactor = 3;
const int kArgSpecular = 4;
const int kArgComplement = 16;
const int kArgAlphaReplicate = 32;

uniform sampler2D uTexture;
uniform float uAlphaRef;

out vec4 fragColour;

vec4 Argument(int argument, vec4 texel) {
    int select = argument & 15;
    vec4 value = vDiffuse; // the diffuse colour, and also "current" at the first stage
    if (select == kArgTexture) {
        value = texel;
    } else if (select == kArgFactor) {
        value = vec4(1.0);
    } else if (select == kArgSpecular) {
        value = vSpecular;
    }
    if ((argument & kArgComplement) != 0) {
        value = vec4(1.0) - value;
    }
    if ((argument & kArgAlphaReplicate) != 0) {
        value = vec4(value.a);
    }
    return value;
}

vec4 Operate(int op, vec4 first, vec4 second) {
    if (op == kOpSelectArg1) {
        return first;
    }
    if (op == kOpSelectArg2) {
        return second;
    }
    if (op == kOpModulate) {
        return first * second;
    }
    if (op == kOpModulate2x) {
        return clamp(2.0 * first * second, 0.0, 1.0);
    }
    if (op == kOpModulate4x) {
        return clamp(4.0 * first * second, 0.0, 1.0);
    }
    if (op == kOpAdd) {
        return clamp(first + second, 0.0, 1.0);
    }
    return vDiffuse;
}

bool AlphaPasses(float alpha) {
    // Compare functions as the platform numbers them: never, less, equal, less-equal,
    // greater, not-equal, greater-equal, always.
    float a = floor(alpha * 255.0 + 0.5);
    float r = uAlphaRef;
    switch (kAlphaFunc) {
    case 1: return false;
    case 2: return a < r;
    case 3: return a == r;
    case 4: return a <= r;
    case 5: return a > r;
    case 6: return a != r;
    case 7: return a >= r;
    default: return true;
    }
}

void main() {
    vec4 texel = kHasTexture ? texture(uTexture, vTexCoord) : vec4(1.0);
    vec4 colour = vDiffuse;
    if (kColorOp != kOpDisable) {
        colour.rgb = Operate(kColorOp, Argument(kColorArg1, texel), Argument(kColorArg2, texel)).rgb;
        if (kAlphaOp != kOpDisable) {
            colour.a = Operate(kAlphaOp, Argument(kAlphaArg1, texel), Argument(kAlphaArg2, texel)).a;
        }
    }
    if (kSpecularEnable) {
        colour.rgb = min(colour.rgb + vSpecular.rgb, vec3(1.0));
    }
#if ALPHA_TEST
    // Only a program with an alpha test has a discard at all: the driver can then test depth
    // before it shades.
    if (!AlphaPasses(colour.a)) {
        discard;
    }
#endif
    fragColour = colour;
}
)glsl";

std::string Flag(const char* name, int value) {
    return std::string("const bool ") + name + (value ? " = true;\n" : " = false;\n");
}

std::string Number(const char* name, int value) {
    return std::string("const int ") + name + " = " + std::to_string(value) + ";\n";
}

} // namespace

std::string VertexShaderSource(const ShaderKey& key) {
    return "#version 330 core\n" + Flag("kPretransformed", key.pretransformed) +
           Flag("kHasNormal", key.hasNormal) + Flag("kHasDiffuse", key.hasDiffuse) +
           Flag("kHasSpecular", key.hasSpecular) + Flag("kLighting", key.lighting) +
           Flag("kSpecularEnable", key.specularEnable) + Flag("kLocalViewer", key.localViewer) +
           Flag("kNormalizeNormals", key.normalizeNormals) +
           Number("kDiffuseSource", key.diffuseSource) +
           Number("kAmbientSource", key.ambientSource) +
           Number("kSpecularSource", key.specularSource) +
           Number("kEmissiveSource", key.emissiveSource) + Number("kLightCount", key.lightCount) +
           kVertexShaderBody;
}

std::string FragmentShaderSource(const ShaderKey& key) {
    return "#version 330 core\n#define ALPHA_TEST " +
           std::to_string(key.alphaFunc != D3DCMP_ALWAYS) + "\n" +
           Flag("kHasTexture", key.hasTexture) + Flag("kSpecularEnable", key.specularEnable) +
           Number("kColorOp", key.colorOp) + Number("kColorArg1", key.colorArg1) +
           Number("kColorArg2", key.colorArg2) + Number("kAlphaOp", key.alphaOp) +
           Number("kAlphaArg1", key.alphaArg1) + Number("kAlphaArg2", key.alphaArg2) +
           Number("kAlphaFunc", key.alphaFunc) + kFragmentShaderBody;
}

} // namespace d3d9gl::detail
