// The GL programs of a device, one per shader key, and the values their uniforms hold. Each
// program remembers what it was last sent, so Upload sends only the uniforms that changed.
#pragma once

#include "gl_state.h"
#include "shader_key.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace d3d9gl::detail {

// Everything the shaders read besides the vertices and the key, laid out as the uniforms
// take it.
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
};

class ShaderProgram {
public:
    // Compiles and links the program for `key`; Valid() tells whether that worked.
    ShaderProgram(GlState& gl, const ShaderKey& key);
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    bool Valid() const { return program_ != 0; }

    // Makes the program current and sends what differs from its last upload.
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

// The programs made so far, by key. A key's program is compiled when it is first asked for.
class ShaderCache {
public:
    explicit ShaderCache(GlState& gl) : gl_(gl) {}

    // The program for `key`; null when it does not compile (asking again does not retry).
    ShaderProgram* Find(const ShaderKey& key);

private:
    GlState& gl_;
    std::map<ShaderKey, std::unique_ptr<ShaderProgram>> programs_;
};

} // namespace d3d9gl::detail
