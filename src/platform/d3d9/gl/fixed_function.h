// The arithmetic that turns the platform's transforms, lights and colours into shader inputs.
#pragma once

#include <d3d9.h>

#include <array>

namespace d3d9gl::detail {

using Matrix4 = std::array<float, 16>;
using Matrix3 = std::array<float, 9>;

// a x b for the platform's row-major matrices (a acts first on a row vector).
Matrix4 Multiply(const D3DMATRIX& a, const D3DMATRIX& b);

// The matrix that takes normals through `worldView`: the inverse transpose of its upper 3 x 3,
// row-major like the platform's matrices (all zero when that part cannot be inverted).
Matrix3 NormalMatrix(const Matrix4& worldView);

// The unit vector towards a directional light of `direction` (world space), in view space;
// zero for a zero direction.
std::array<float, 3> TowardsLightInView(const D3DVECTOR& direction, const D3DMATRIX& view);

std::array<float, 4> Rgba(const D3DCOLORVALUE& colour);
std::array<float, 4> Rgba(D3DCOLOR colour);

} // namespace d3d9gl::detail
