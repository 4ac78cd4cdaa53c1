#include "shader_program.h"

#include "shader_source.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace d3d9gl::detail {
namespace {

enum Kind { kMat4, kMat3, kVec4, kVec3, kVec2, kFloat };

struct UniformField {
    const char* name;
    std::size_t offset;
    std::size_t bytes;
    Kind kind;
    GLsizei count;
};

#define RW_UNIFORM(name, field, kind, count)                                                       \
    UniformField {                                                                                 \
        name, offsetof(ShaderInputs, field), sizeof(ShaderInputs::field), kind, count              \
    }

const UniformField kFields[] = {
    RW_UNIFORM("uWorldView", worldView, kMat4, 1),
    RW_UNIFORM("uProjection", projection, kMat4, 1),
    RW_UNIFORM("uNormalMatrix", normalMatrix, kMat3, 1),
    RW_UNIFORM("uViewport", viewport, kVec4, 1),
    RW_UNIFORM("uPixelShift", pixelShift, kVec2, 1),
    RW_UNIFORM("uMatDiffuse", matDiffuse, kVec4, 1),
    RW_UNIFORM("uMatAmbient", matAmbient, kVec4, 1),
    RW_UNIFORM("uMatSpecular", matSpecular, kVec4, 1),
    RW_UNIFORM("uMatEmissive", matEmissive, kVec4, 1),
    RW_UNIFORM("uMatPower", matPower, kFloat, 1),
    RW_UNIFORM("uGlobalAmbient", globalAmbient, kVec4, 1),
    RW_UNIFORM("uLightDirection", lightDirection, kVec3, kMaxLights),
    RW_UNIFORM("uLightDiffuse", lightDiffuse, kVec4, kMaxLights),
    RW_UNIFORM("uLightSpecular", lightSpecular, kVec4, kMaxLights),
    RW_UNIFORM("uLightAmbient", lightAmbient, kVec4, kMaxLights),
    RW_UNIFORM("uAlphaRef", alphaRef, kFloat, 1),
};

#undef RW_UNIFORM

GLuint Compile(GlState& gl, GLenum stage, const std::string& text) {
    const char* source = text.c_str();
    GLuint shader = gl.Call(glCreateShader, stage);
    gl.Call(glShaderSource, shader, 1, &source, nullptr);
    gl.Call(glCompileShader, shader);
    GLint ok = GL_FALSE;
    gl.Call(glGetShaderiv, shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = {};
        gl.Call(glGetShaderInfoLog, shader, GLsizei(sizeof log), nullptr, log);
        std::fprintf(stderr, "d3d9 gl: shader did not compile: %s\n", log);
        gl.Call(glDeleteShader, shader);
        return 0;
    }
    return shader;
}

} // namespace

ShaderProgram::ShaderProgram(GlState& gl, const ShaderKey& key) : gl_(gl) {
    GLuint vertex = Compile(gl, GL_VERTEX_SHADER, VertexShaderSource(key));
    GLuint fragment = Compile(gl, GL_FRAGMENT_SHADER, FragmentShaderSource(key));
    if (vertex && fragment) {
        GLuint program = gl.Call(glCreateProgram);
        gl.Call(glAttachShader, program, vertex);
        gl.Call(glAttachShader, program, fragment);
        gl.Call(glLinkProgram, program);
        GLint ok = GL_FALSE;
        gl.Call(glGetProgramiv, program, GL_LINK_STATUS, &ok);
        if (ok == GL_TRUE) {
            program_ = program;
        } else {
            gl.Call(glDeleteProgram, program);
        }
    }
    for (GLuint shader : {vertex, fragment}) {
        if (shader) {
            gl.Call(glDeleteShader, shader);
        }
    }
    if (!program_) {
        return;
    }
    for (const UniformField& field : kFields) {
        GLint location = gl.Call(glGetUniformLocation, program_, field.name);
        if (location >= 0) {
            uniforms_.push_back({location, field.offset, field.bytes, field.kind, field.count});
        }
    }
    // The texture is always read from unit 0.
    gl.UseProgram(program_);
    gl.Call(glUniform1i, gl.Call(glGetUniformLocation, program_, "uTexture"), 0);
}

ShaderProgram::~ShaderProgram() {
    if (program_) {
        gl_.Call(glDeleteProgram, program_);
    }
}

void ShaderProgram::Upload(const ShaderInputs& inputs) {
    gl_.UseProgram(program_);
    const auto* next = reinterpret_cast<const unsigned char*>(&inputs);
    auto* last = reinterpret_cast<unsigned char*>(&uploaded_);
    for (const Uniform& uniform : uniforms_) {
        const unsigned char* value = next + uniform.offset;
        if (anyUploaded_ && std::memcmp(last + uniform.offset, value, uniform.bytes) == 0) {
            continue;
        }
        std::memcpy(last + uniform.offset, value, uniform.bytes);
        const auto* floats = reinterpret_cast<const GLfloat*>(value);
        switch (uniform.kind) {
        case kMat4:
            gl_.Call(glUniformMatrix4fv, uniform.location, uniform.count, GL_FALSE, floats);
            break;
        case kMat3:
            gl_.Call(glUniformMatrix3fv, uniform.location, uniform.count, GL_FALSE, floats);
            break;
        case kVec4:
            gl_.Call(glUniform4fv, uniform.location, uniform.count, floats);
            break;
        case kVec3:
            gl_.Call(glUniform3fv, uniform.location, uniform.count, floats);
            break;
        case kVec2:
            gl_.Call(glUniform2fv, uniform.location, uniform.count, floats);
            break;
        default:
            gl_.Call(glUniform1fv, uniform.location, uniform.count, floats);
            break;
        }
    }
    anyUploaded_ = true;
}

ShaderProgram* ShaderCache::Find(const ShaderKey& key) {
    auto found = programs_.find(key);
    if (found == programs_.end()) {
        auto program = std::make_unique<ShaderProgram>(gl_, key);
        if (!program->Valid()) {
            program.reset();
        }
        found = programs_.emplace(key, std::move(program)).first;
    }
    return found->second.get();
}

} // namespace d3d9gl::detail
