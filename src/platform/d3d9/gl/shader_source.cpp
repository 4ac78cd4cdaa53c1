#include "shader_source.h"

namespace d3d9gl::detail {

// Vertices are lit per vertex in view space: colour = Ce + Ca (Ga + sum La)
// + sum Cd Ld max(0, N.L), specular = Cs sum Ls (N.H)^P where N.L > 0 and N.H > 0. Matrices
// arrive as the platform's row-major floats read column-major, so M * v here is v * M there.
// Screen-space (pre-transformed) vertices skip transformation and lighting.
const char* const kVertexShaderSource = R"glsl(#version 330 core
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aDiffuse;
layout(location = 3) in vec4 aSpecular;
layout(location = 4) in vec2 aTexCoord;

const int kMaxLights = 8;
const int kFromDiffuse = 1;
const int kFromSpecular = 2;

uniform mat4 uWorldView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform bool uPretransformed;
uniform vec4 uViewport;
uniform vec2 uPixelShift;
uniform bool uHasNormal;
uniform bool uHasDiffuse;
uniform bool uHasSpecular;
uniform bool uLighting;
uniform bool uSpecularEnable;
uniform bool uLocalViewer;
uniform bool uNormalizeNormals;
uniform vec4 uMatDiffuse;
uniform vec4 uMatAmbient;
uniform vec4 uMatSpecular;
uniform vec4 uMatEmissive;
uniform float uMatPower;
uniform int uDiffuseSource;
uniform int uAmbientSource;
uniform int uSpecularSource;
uniform int uEmissiveSource;
uniform vec4 uGlobalAmbient;
uniform int uLightCount;
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
    vec4 cd = MaterialColour(uDiffuseSource, uMatDiffuse);
    vec4 ca = MaterialColour(uAmbientSource, uMatAmbient);
    vec4 cs = MaterialColour(uSpecularSource, uMatSpecular);
    vec4 ce = MaterialColour(uEmissiveSource, uMatEmissive);
    vec3 normal = uNormalMatrix * aNormal;
    if (uNormalizeNormals && dot(normal, normal) > 0.0) {
        normal = normalize(normal);
    }
    vec3 toViewer = uLocalViewer ? normalize(-viewPosition) : vec3(0.0, 0.0, -1.0);
    vec3 ambient = uGlobalAmbient.rgb;
    vec3 diffuse = vec3(0.0);
    vec3 specular = vec3(0.0);
    for (int i = 0; i < uLightCount; ++i) {
        ambient += uLightAmbient[i].rgb;
        if (!uHasNormal) {
            continue;
        }
        float nDotL = dot(normal, uLightDirection[i]);
        if (nDotL <= 0.0) {
            continue;
        }
        diffuse += uLightDiffuse[i].rgb * nDotL;
        if (uSpecularEnable) {
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
    vec4 vertexDiffuse = uHasDiffuse ? aDiffuse : vec4(1.0);
    vec4 vertexSpecular = uHasSpecular ? aSpecular : vec4(0.0);
    if (uPretransformed) {
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
        if (uLighting) {
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
const char* const kFragmentShaderSource = R"glsl(#version 330 core
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
uniform bool uHasTexture;
uniform bool uSpecularEnable;
uniform int uColorOp;
uniform int uColorArg1;
uniform int uColorArg2;
uniform int uAlphaOp;
uniform int uAlphaArg1;
uniform int uAlphaArg2;
uniform int uAlphaFunc;
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
    switch (uAlphaFunc) {
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
    vec4 texel = uHasTexture ? texture(uTexture, vTexCoord) : vec4(1.0);
    vec4 colour = vDiffuse;
    if (uColorOp != kOpDisable) {
        colour.rgb = Operate(uColorOp, Argument(uColorArg1, texel), Argument(uColorArg2, texel)).rgb;
        if (uAlphaOp != kOpDisable) {
            colour.a = Operate(uAlphaOp, Argument(uAlphaArg1, texel), Argument(uAlphaArg2, texel)).a;
        }
    }
    if (uSpecularEnable) {
        colour.rgb = min(colour.rgb + vSpecular.rgb, vec3(1.0));
    }
    if (!AlphaPasses(colour.a)) {
        discard;
    }
    fragColour = colour;
}
)glsl";

} // namespace d3d9gl::detail
