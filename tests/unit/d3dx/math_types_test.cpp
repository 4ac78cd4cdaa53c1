// The value types: their layout, constructors, casts and operators.
#include "math_test_support.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <type_traits>

namespace {

using math_test::Bits;

// Same sizes and member order as the platform, so arrays of them can be handed to the
// device and read back as floats.
static_assert(sizeof(D3DXVECTOR2) == 8 && sizeof(D3DXVECTOR3) == 12 && sizeof(D3DXVECTOR4) == 16 &&
              sizeof(D3DXMATRIX) == 64 && sizeof(D3DXPLANE) == 16 && sizeof(D3DXCOLOR) == 16);
static_assert(offsetof(D3DXPLANE, d) == 12 && offsetof(D3DXCOLOR, a) == 12 &&
              offsetof(D3DXVECTOR4, w) == 12);
static_assert(std::is_base_of_v<D3DVECTOR, D3DXVECTOR3> &&
              std::is_base_of_v<D3DMATRIX, D3DXMATRIX>);
static_assert(std::is_trivially_copyable_v<D3DXMATRIX> && std::is_standard_layout_v<D3DXMATRIX>);

TEST(MathTypes, VectorOperators) {
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    const D3DXVECTOR3 w(0.5f, -1.0f, 2.0f);
    EXPECT_EQ(D3DXVECTOR3(1.5f, 1.0f, 5.0f), v + w);
    EXPECT_EQ(D3DXVECTOR3(0.5f, 3.0f, 1.0f), v - w);
    EXPECT_EQ(D3DXVECTOR3(2.0f, 4.0f, 6.0f), v * 2.0f);
    EXPECT_EQ(D3DXVECTOR3(2.0f, 4.0f, 6.0f), 2.0f * v);
    EXPECT_EQ(D3DXVECTOR3(0.5f, 1.0f, 1.5f), v / 2.0f);
    EXPECT_EQ(D3DXVECTOR3(-1.0f, -2.0f, -3.0f), -v);
    EXPECT_EQ(v, +v);
    EXPECT_TRUE(v != w);
    EXPECT_FALSE(v == w);
    EXPECT_TRUE(D3DXVECTOR3(0.0f, 0.0f, 0.0f) == D3DXVECTOR3(-0.0f, 0.0f, -0.0f));

    v += w;
    EXPECT_EQ(D3DXVECTOR3(1.5f, 1.0f, 5.0f), v);
    v -= w;
    v *= 4.0f;
    EXPECT_EQ(D3DXVECTOR3(4.0f, 8.0f, 12.0f), v);
    v /= 4.0f;
    EXPECT_EQ(D3DXVECTOR3(1.0f, 2.0f, 3.0f), v);
    // Division divides each component (5 / 3 is 0x3fd55555; 5 * (1 / 3) would end in 6).
    EXPECT_EQ(0x3fd55555u, Bits((D3DXVECTOR3(5.0f, 0.0f, 0.0f) / 3.0f).x));

    // As float*: x, y, z in order, writable.
    FLOAT* f = v;
    f[2] = 9.0f;
    EXPECT_EQ(9.0f, v.z);
    const float array[] = {7.0f, 8.0f, 9.0f};
    EXPECT_EQ(D3DXVECTOR3(7.0f, 8.0f, 9.0f), D3DXVECTOR3(array));
    const D3DVECTOR base = {4.0f, 5.0f, 6.0f};
    EXPECT_EQ(D3DXVECTOR3(4.0f, 5.0f, 6.0f), D3DXVECTOR3(base));
    EXPECT_EQ(D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(static_cast<const FLOAT*>(NULL)));

    const D3DXVECTOR2 two = D3DXVECTOR2(1.0f, 2.0f) * 3.0f - D3DXVECTOR2(1.0f, 1.0f);
    EXPECT_EQ(D3DXVECTOR2(2.0f, 5.0f), two);
    const D3DXVECTOR4 four = -(D3DXVECTOR4(1.0f, 2.0f, 3.0f, 4.0f) / 2.0f);
    EXPECT_EQ(D3DXVECTOR4(-0.5f, -1.0f, -1.5f, -2.0f), four);
}

TEST(MathTypes, MatrixOperators) {
    D3DXMATRIX m(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16);
    // operator()(row, column), _RC members and m[row][column] are the same element.
    EXPECT_EQ(7.0f, m(1, 2));
    EXPECT_EQ(7.0f, m._23);
    EXPECT_EQ(7.0f, m.m[1][2]);
    m(3, 0) = -13.0f;
    EXPECT_EQ(-13.0f, m._41);
    EXPECT_EQ(12.0f, static_cast<const FLOAT*>(m)[11]);
    // Out-of-range indices wrap instead of leaving the matrix.
    EXPECT_EQ(m(1, 2), m(5, 6));

    const D3DXMATRIX twice = m + m;
    EXPECT_EQ(twice, 2.0f * m);
    EXPECT_EQ(twice, m * 2.0f);
    EXPECT_EQ(m, twice - m);
    EXPECT_EQ(m, twice / 2.0f);
    EXPECT_EQ(-1.0f, (-m)._11);
    EXPECT_EQ(m, +m);
    // Division multiplies by the reciprocal, as the Windows build's header does.
    EXPECT_EQ(0x3fd55556u, Bits((m / 3.0f)._21));

    D3DXMATRIX compound = m;
    compound += m;
    EXPECT_EQ(twice, compound);
    compound -= m;
    EXPECT_EQ(m, compound);
    compound *= 2.0f;
    EXPECT_EQ(twice, compound);
    compound /= 2.0f;
    EXPECT_EQ(m, compound);

    // Matrix product: the left one acts first.
    D3DXMATRIX scale;
    D3DXMATRIX move;
    D3DXMatrixScaling(&scale, 2.0f, 2.0f, 2.0f);
    D3DXMatrixTranslation(&move, 1.0f, 0.0f, 0.0f);
    EXPECT_EQ(3.0f, math_test::TransformCoord({1.0f, 0.0f, 0.0f}, scale * move).x);
    D3DXMATRIX product = scale;
    product *= move;
    EXPECT_EQ(scale * move, product);

    // Equality is bitwise: -0 differs from 0 and a NaN equals itself.
    D3DXMATRIX zero(static_cast<const FLOAT*>(NULL));
    D3DXMATRIX negative_zero = zero;
    negative_zero._11 = -0.0f;
    EXPECT_TRUE(zero != negative_zero);
    D3DXMATRIX nan = zero;
    nan._44 = std::numeric_limits<float>::quiet_NaN();
    D3DXMATRIX same_nan = nan;
    EXPECT_TRUE(nan == same_nan);
    const D3DMATRIX plain = m;
    EXPECT_EQ(m, D3DXMATRIX(plain));
    EXPECT_EQ(m, D3DXMATRIX(static_cast<const FLOAT*>(m)));
}

TEST(MathTypes, PlaneAndConstants) {
    const D3DXPLANE p(1.0f, 2.0f, 3.0f, 4.0f);
    EXPECT_EQ(D3DXPLANE(-1.0f, -2.0f, -3.0f, -4.0f), -p);
    EXPECT_EQ(p, +p);
    EXPECT_TRUE(p != -p);
    EXPECT_EQ(4.0f, static_cast<const FLOAT*>(p)[3]);
    EXPECT_EQ(p, D3DXPLANE(static_cast<const FLOAT*>(p)));

    EXPECT_EQ(3.141592654f, D3DX_PI);
    EXPECT_FLOAT_EQ(D3DX_PI, D3DXToRadian(180.0f));
    EXPECT_FLOAT_EQ(90.0f, D3DXToDegree(D3DX_PI / 2.0f));
}

TEST(MathTypes, ColourConversions) {
    // 0xAARRGGBB scaled to 0..1.
    const D3DXCOLOR c(static_cast<DWORD>(0x80402010));
    EXPECT_EQ(0x3e808081u, Bits(c.r));
    EXPECT_EQ(0x3e008081u, Bits(c.g));
    EXPECT_EQ(0x3d808081u, Bits(c.b));
    EXPECT_EQ(0x3f008081u, Bits(c.a));
    EXPECT_EQ(1.0f, D3DXCOLOR(static_cast<DWORD>(0xffffffff)).g);

    // Back again: every byte survives the round trip.
    for (DWORD byte = 0; byte < 256; ++byte) {
        const DWORD argb = (byte << 24) | ((255 - byte) << 16) | (byte << 8) | (byte ^ 0x5a);
        EXPECT_EQ(argb, static_cast<DWORD>(D3DXCOLOR(argb)));
    }
    // Rounded to nearest, clamped to 0..1, NaN as 0.
    EXPECT_EQ(0x008040ffu, static_cast<DWORD>(D3DXCOLOR(0.5f, 0.25f, 1.5f, -1.0f)));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(0xff000000u, static_cast<DWORD>(D3DXCOLOR(nan, nan, nan, 1.0f)));

    // The same four floats as D3DCOLORVALUE, both ways.
    D3DXCOLOR colour(0.1f, 0.2f, 0.3f, 0.4f);
    D3DCOLORVALUE& value = colour;
    value.g = 0.9f;
    EXPECT_EQ(0.9f, colour.g);
    const D3DCOLORVALUE* pointer = colour;
    EXPECT_EQ(0.4f, pointer->a);
    const D3DCOLORVALUE plain = {0.5f, 0.6f, 0.7f, 0.8f};
    EXPECT_EQ(D3DXCOLOR(0.5f, 0.6f, 0.7f, 0.8f), D3DXCOLOR(plain));
    D3DMATERIAL9 material = {};
    material.Diffuse = D3DXCOLOR(1.0f, 0.5f, 0.25f, 1.0f);
    EXPECT_EQ(0.25f, material.Diffuse.b);

    // Arithmetic, channel by channel.
    D3DXCOLOR sum = D3DXCOLOR(0.25f, 0.5f, 0.0f, 1.0f) + D3DXCOLOR(0.25f, 0.0f, 0.5f, 0.0f);
    EXPECT_EQ(D3DXCOLOR(0.5f, 0.5f, 0.5f, 1.0f), sum);
    sum *= 2.0f;
    EXPECT_EQ(D3DXCOLOR(1.0f, 1.0f, 1.0f, 2.0f), sum);
    EXPECT_EQ(D3DXCOLOR(-0.5f, -0.5f, -0.5f, -1.0f), -(sum / 2.0f));
    // Division multiplies by the reciprocal, as the Windows build's header does.
    EXPECT_EQ(0x3fd55556u, Bits((D3DXCOLOR(5.0f, 0.0f, 0.0f, 0.0f) / 3.0f).r));
    D3DXCOLOR divided(0.0f, 0.0f, 5.0f, 0.0f);
    divided /= 3.0f;
    EXPECT_EQ(0x3fd55556u, Bits(divided.b));
    EXPECT_EQ(D3DXCOLOR(0.0f, 0.0f, 0.0f, 0.0f), sum - sum);
    EXPECT_EQ(D3DXCOLOR(0.0f, 0.0f, 0.0f, 0.0f), D3DXCOLOR(static_cast<const FLOAT*>(NULL)));
}

} // namespace
