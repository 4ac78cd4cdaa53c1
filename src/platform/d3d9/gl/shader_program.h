// The one GL program of a device and the values its uniforms hold. Upload sends only the
// uniforms whose values changed since the last upload.
#pragma once

#include "gl_state.h"

#include <array>
#include <vector>

namespace d3d9gl::detail {

constexpr int kMaxLights = 8;

// Everything the shaders read besides the vertices, laid out as the uniforms take it.
struct ShaderInputs {
    std::array<float, 16> worldView{};
    std::array<float, 16> projection{};
    std::array<float, 9> normalMatrix{};
    std::array<float, 4> viewport{0, 0, 1, 1};
    std::array<float, 2> pixelShift{};
    std::array<float, 4> matDiffuse{};
    std::array<float, 4> matAmbient{};
    std::array<float, 4> matSpecular{};
    std::array<float, 4> matEmissive{};
    float matPower = 0;
    std::array<float, 4> globalAmbient{};
    std::array<float, 3 * kMaxLights> lightDirection{};
    std::array<float, 4 * kMaxLights> lightDiffuse{};
    std::array<float, 4 * kMaxLights> lightSpecular{};
    std::array<float, 4 * kMaxLights> lightAmbient{};
    float alphaRef = 0;
    GLint pretransformed = 0;
    GLint hasNormal = 0;
    GLint hasDiffuse = 0;
    GLint hasSpecular = 0;
    GLint lighting = 0;
    GLint specularEnable = 0;
    GLint localViewer = 0;
    GLint normalizeNormals = 0;
    GLint diffuseSource = 0;
    GLint ambientSource = 0;
    GLint specularSource = 0;
    GLint emissiveSource = 0;
    GLint lightCount = 0;
    GLint hasTexture = 0;
    GLint colorOp = 0;
    GLint colorArg1 = 0;
    GLint colorArg2 = 0;
    GLint alphaOp = 0;
    GLint alphaArg1 = 0;
    GLint alphaArg2 = 0;
    GLint alphaFunc = 0;
};

class ShaderProgram {
public:
    // Compiles and links the program; Valid() tells whether that worked.
    explicit ShaderProgram(GlState& gl);
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    bool Valid() const { return program_ != 0; }

    // Makes the program current and sends what differs from the last upload.
    void Upload(const ShaderInputs& inputs);

private:
    struct Uniform {
        GLint location;
        std::size_t offset;
        std::size_t bytes;
        int kind;
        GLsizei count;
    };

    GlState& gl_;
    GLuint program_ = 0;
    std::vector<Uniform> uniforms_;
    ShaderInputs uploaded_{};
    bool anyUploaded_ = false;
};

} // namespace d3d9gl::detail
