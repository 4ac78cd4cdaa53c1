// The GLSL 330 programs that stand in for the fixed-function pipeline, written out for one
// shader key: the key's values become constants, so the compiler drops every path the key
// rules out.
#pragma once

#include "shader_key.h"

#include <string>

namespace d3d9gl::detail {

std::string VertexShaderSource(const ShaderKey& key);
std::string FragmentShaderSource(const ShaderKey& key);

} // namespace d3d9gl::detail
