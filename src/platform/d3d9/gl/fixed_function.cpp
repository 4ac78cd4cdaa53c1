#include "fixed_function.h"

#include <cmath>

namespace d3d9gl::detail {

Matrix4 Multiply(const D3DMATRIX& a, const D3DMATRIX& b) {
    Matrix4 product{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[row][k] * b.m[k][column];
            }
            product[std::size_t(row * 4 + column)] = sum;
        }
    }
    return product;
}

Matrix3 NormalMatrix(const Matrix4& m) {
    auto at = [&m](int row, int column) { return m[std::size_t(row * 4 + column)]; };
    // The cofactors of the 3 x 3 part: the transposed inverse is cofactors / determinant.
    Matrix3 cofactors{
        at(1, 1) * at(2, 2) - at(1, 2) * at(2, 1), at(1, 2) * at(2, 0) - at(1, 0) * at(2, 2),
        at(1, 0) * at(2, 1) - at(1, 1) * at(2, 0), at(0, 2) * at(2, 1) - at(0, 1) * at(2, 2),
        at(0, 0) * at(2, 2) - at(0, 2) * at(2, 0), at(0, 1) * at(2, 0) - at(0, 0) * at(2, 1),
        at(0, 1) * at(1, 2) - at(0, 2) * at(1, 1), at(0, 2) * at(1, 0) - at(0, 0) * at(1, 2),
        at(0, 0) * at(1, 1) - at(0, 1) * at(1, 0)};
    float determinant = at(0, 0) * cofactors[0] + at(0, 1) * cofactors[1] + at(0, 2) * cofactors[2];
    if (determinant == 0.0f || !std::isfinite(determinant)) {
        return Matrix3{};
    }
    for (float& value : cofactors) {
        value /= determinant;
    }
    return cofactors;
}

std::array<float, 3> TowardsLightInView(const D3DVECTOR& direction, const D3DMATRIX& view) {
    float d[3] = {direction.x, direction.y, direction.z};
    std::array<float, 3> towards{};
    for (int column = 0; column < 3; ++column) {
        towards[std::size_t(column)] =
            -(d[0] * view.m[0][column] + d[1] * view.m[1][column] + d[2] * view.m[2][column]);
    }
    float length =
        std::sqrt(towards[0] * towards[0] + towards[1] * towards[1] + towards[2] * towards[2]);
    if (!(length > 0.0f) || !std::isfinite(length)) {
        return {};
    }
    for (float& value : towards) {
        value /= length;
    }
    return towards;
}

std::array<float, 4> Rgba(const D3DCOLORVALUE& colour) {
    return {colour.r, colour.g, colour.b, colour.a};
}

std::array<float, 4> Rgba(D3DCOLOR colour) {
    auto channel = [colour](int shift) { return float((colour >> shift) & 0xFF) / 255.0f; };
    return {channel(16), channel(8), channel(0), channel(24)};
}

} // namespace d3d9gl::detail
