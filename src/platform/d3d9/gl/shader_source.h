// The GLSL 330 programs that stand in for the fixed-function pipeline.
#pragma once

namespace d3d9gl::detail {

extern const char* const kVertexShaderSource;
extern const char* const kFragmentShaderSource;

} // namespace d3d9gl::detail
