// The utility library's maths for the Linux build: vectors, matrices, planes and colours
// with the platform's names, layouts and operators, and the functions the game calls.
// Matrices are row-major and act on row vectors (v * M), so in A * B, A acts first.
// Every function returns NULL (or 0 / FALSE) instead of touching memory when a pointer
// it needs is NULL.
#pragma once

#include <windows.h>
#include <d3d9types.h>

#include <cmath>
#include <cstring>

#define D3DX_PI ((FLOAT)3.141592654)
#define D3DX_1BYPI ((FLOAT)0.318309886)

#define D3DXToRadian(degree) ((degree) * (D3DX_PI / 180.0f))
#define D3DXToDegree(radian) ((radian) * (180.0f / D3DX_PI))

typedef struct D3DXVECTOR2 {
    D3DXVECTOR2() = default;
    // A NULL array gives the zero vector.
    D3DXVECTOR2(const FLOAT* pf) : x(pf ? pf[0] : 0.0f), y(pf ? pf[1] : 0.0f) {}
    D3DXVECTOR2(FLOAT fx, FLOAT fy) : x(fx), y(fy) {}

    operator FLOAT*() { return &x; }
    operator const FLOAT*() const { return &x; }

    D3DXVECTOR2& operator+=(const D3DXVECTOR2& v) { return *this = *this + v; }
    D3DXVECTOR2& operator-=(const D3DXVECTOR2& v) { return *this = *this - v; }
    D3DXVECTOR2& operator*=(FLOAT f) { return *this = *this * f; }
    D3DXVECTOR2& operator/=(FLOAT f) { return *this = *this / f; }

    D3DXVECTOR2 operator+() const { return *this; }
    D3DXVECTOR2 operator-() const { return D3DXVECTOR2(-x, -y); }

    D3DXVECTOR2 operator+(const D3DXVECTOR2& v) const { return D3DXVECTOR2(x + v.x, y + v.y); }
    D3DXVECTOR2 operator-(const D3DXVECTOR2& v) const { return D3DXVECTOR2(x - v.x, y - v.y); }
    D3DXVECTOR2 operator*(FLOAT f) const { return D3DXVECTOR2(x * f, y * f); }
    D3DXVECTOR2 operator/(FLOAT f) const { return D3DXVECTOR2(x / f, y / f); }

    friend D3DXVECTOR2 operator*(FLOAT f, const D3DXVECTOR2& v) { return v * f; }

    BOOL operator==(const D3DXVECTOR2& v) const { return x == v.x && y == v.y; }
    BOOL operator!=(const D3DXVECTOR2& v) const { return !(*this == v); }

    FLOAT x, y;
} D3DXVECTOR2, *LPD3DXVECTOR2;

typedef struct D3DXVECTOR3 : public D3DVECTOR {
    D3DXVECTOR3() = default;
    // A NULL array gives the zero vector.
    D3DXVECTOR3(const FLOAT* pf)
        : D3DVECTOR{pf ? pf[0] : 0.0f, pf ? pf[1] : 0.0f, pf ? pf[2] : 0.0f} {}
    D3DXVECTOR3(const D3DVECTOR& v) : D3DVECTOR(v) {}
    D3DXVECTOR3(FLOAT fx, FLOAT fy, FLOAT fz) : D3DVECTOR{fx, fy, fz} {}

    operator FLOAT*() { return &x; }
    operator const FLOAT*() const { return &x; }

    D3DXVECTOR3& operator+=(const D3DXVECTOR3& v) { return *this = *this + v; }
    D3DXVECTOR3& operator-=(const D3DXVECTOR3& v) { return *this = *this - v; }
    D3DXVECTOR3& operator*=(FLOAT f) { return *this = *this * f; }
    D3DXVECTOR3& operator/=(FLOAT f) { return *this = *this / f; }

    D3DXVECTOR3 operator+() const { return *this; }
    D3DXVECTOR3 operator-() const { return D3DXVECTOR3(-x, -y, -z); }

    D3DXVECTOR3 operator+(const D3DXVECTOR3& v) const {
        return D3DXVECTOR3(x + v.x, y + v.y, z + v.z);
    }
    D3DXVECTOR3 operator-(const D3DXVECTOR3& v) const {
        return D3DXVECTOR3(x - v.x, y - v.y, z - v.z);
    }
    D3DXVECTOR3 operator*(FLOAT f) const { return D3DXVECTOR3(x * f, y * f, z * f); }
    // Each component is divided, as the Windows build's header does.
    D3DXVECTOR3 operator/(FLOAT f) const { return D3DXVECTOR3(x / f, y / f, z / f); }

    friend D3DXVECTOR3 operator*(FLOAT f, const D3DXVECTOR3& v) { return v * f; }

    BOOL operator==(const D3DXVECTOR3& v) const { return x == v.x && y == v.y && z == v.z; }
    BOOL operator!=(const D3DXVECTOR3& v) const { return !(*this == v); }
} D3DXVECTOR3, *LPD3DXVECTOR3;

typedef struct D3DXVECTOR4 {
    D3DXVECTOR4() = default;
    // A NULL array gives the zero vector.
    D3DXVECTOR4(const FLOAT* pf)
        : x(pf ? pf[0] : 0.0f), y(pf ? pf[1] : 0.0f), z(pf ? pf[2] : 0.0f), w(pf ? pf[3] : 0.0f) {}
    D3DXVECTOR4(FLOAT fx, FLOAT fy, FLOAT fz, FLOAT fw) : x(fx), y(fy), z(fz), w(fw) {}

    operator FLOAT*() { return &x; }
    operator const FLOAT*() const { return &x; }

    D3DXVECTOR4& operator+=(const D3DXVECTOR4& v) { return *this = *this + v; }
    D3DXVECTOR4& operator-=(const D3DXVECTOR4& v) { return *this = *this - v; }
    D3DXVECTOR4& operator*=(FLOAT f) { return *this = *this * f; }
    D3DXVECTOR4& operator/=(FLOAT f) { return *this = *this / f; }

    D3DXVECTOR4 operator+() const { return *this; }
    D3DXVECTOR4 operator-() const { return D3DXVECTOR4(-x, -y, -z, -w); }

    D3DXVECTOR4 operator+(const D3DXVECTOR4& v) const {
        return D3DXVECTOR4(x + v.x, y + v.y, z + v.z, w + v.w);
    }
    D3DXVECTOR4 operator-(const D3DXVECTOR4& v) const {
        return D3DXVECTOR4(x - v.x, y - v.y, z - v.z, w - v.w);
    }
    D3DXVECTOR4 operator*(FLOAT f) const { return D3DXVECTOR4(x * f, y * f, z * f, w * f); }
    D3DXVECTOR4 operator/(FLOAT f) const { return D3DXVECTOR4(x / f, y / f, z / f, w / f); }

    friend D3DXVECTOR4 operator*(FLOAT f, const D3DXVECTOR4& v) { return v * f; }

    BOOL operator==(const D3DXVECTOR4& v) const {
        return x == v.x && y == v.y && z == v.z && w == v.w;
    }
    BOOL operator!=(const D3DXVECTOR4& v) const { return !(*this == v); }

    FLOAT x, y, z, w;
} D3DXVECTOR4, *LPD3DXVECTOR4;

struct D3DXMATRIX;
extern "C" D3DXMATRIX* WINAPI D3DXMatrixMultiply(D3DXMATRIX* pOut, const D3DXMATRIX* pM1,
                                                 const D3DXMATRIX* pM2);

typedef struct D3DXMATRIX : public D3DMATRIX {
    D3DXMATRIX() = default;
    // A NULL array gives the zero matrix.
    D3DXMATRIX(const FLOAT* pf) : D3DMATRIX{} {
        if (pf) {
            std::memcpy(m, pf, sizeof(m));
        }
    }
    D3DXMATRIX(const D3DMATRIX& mat) : D3DMATRIX(mat) {}
    D3DXMATRIX(FLOAT f11, FLOAT f12, FLOAT f13, FLOAT f14, FLOAT f21, FLOAT f22, FLOAT f23,
               FLOAT f24, FLOAT f31, FLOAT f32, FLOAT f33, FLOAT f34, FLOAT f41, FLOAT f42,
               FLOAT f43, FLOAT f44) {
        _11 = f11, _12 = f12, _13 = f13, _14 = f14;
        _21 = f21, _22 = f22, _23 = f23, _24 = f24;
        _31 = f31, _32 = f32, _33 = f33, _34 = f34;
        _41 = f41, _42 = f42, _43 = f43, _44 = f44;
    }

    // Row and column are taken modulo 4, so a bad index never leaves the matrix.
    FLOAT& operator()(UINT row, UINT col) { return m[row & 3u][col & 3u]; }
    FLOAT operator()(UINT row, UINT col) const { return m[row & 3u][col & 3u]; }

    operator FLOAT*() { return &m[0][0]; }
    operator const FLOAT*() const { return &m[0][0]; }

    D3DXMATRIX& operator*=(const D3DXMATRIX& mat) {
        D3DXMatrixMultiply(this, this, &mat);
        return *this;
    }
    D3DXMATRIX& operator+=(const D3DXMATRIX& mat) { return *this = *this + mat; }
    D3DXMATRIX& operator-=(const D3DXMATRIX& mat) { return *this = *this - mat; }
    D3DXMATRIX& operator*=(FLOAT f) { return *this = *this * f; }
    D3DXMATRIX& operator/=(FLOAT f) { return *this = *this / f; }

    D3DXMATRIX operator+() const { return *this; }
    D3DXMATRIX operator-() const {
        D3DXMATRIX negated;
        for (int i = 0; i < 16; ++i) {
            negated.flat(i) = -flat(i);
        }
        return negated;
    }

    D3DXMATRIX operator*(const D3DXMATRIX& mat) const {
        D3DXMATRIX product;
        D3DXMatrixMultiply(&product, this, &mat);
        return product;
    }
    D3DXMATRIX operator+(const D3DXMATRIX& mat) const {
        D3DXMATRIX sum;
        for (int i = 0; i < 16; ++i) {
            sum.flat(i) = flat(i) + mat.flat(i);
        }
        return sum;
    }
    D3DXMATRIX operator-(const D3DXMATRIX& mat) const {
        D3DXMATRIX difference;
        for (int i = 0; i < 16; ++i) {
            difference.flat(i) = flat(i) - mat.flat(i);
        }
        return difference;
    }
    D3DXMATRIX operator*(FLOAT f) const {
        D3DXMATRIX scaled;
        for (int i = 0; i < 16; ++i) {
            scaled.flat(i) = flat(i) * f;
        }
        return scaled;
    }
    // Multiplies by the reciprocal, as the Windows build's header does.
    D3DXMATRIX operator/(FLOAT f) const { return *this * (1.0f / f); }

    friend D3DXMATRIX operator*(FLOAT f, const D3DXMATRIX& mat) { return mat * f; }

    // Bitwise, as on the platform: 0.0 and -0.0 differ, a NaN equals the same NaN.
    BOOL operator==(const D3DXMATRIX& mat) const { return std::memcmp(m, mat.m, sizeof(m)) == 0; }
    BOOL operator!=(const D3DXMATRIX& mat) const { return !(*this == mat); }

private:
    FLOAT& flat(int i) { return m[i / 4][i % 4]; }
    FLOAT flat(int i) const { return m[i / 4][i % 4]; }
} D3DXMATRIX, *LPD3DXMATRIX;

typedef struct D3DXPLANE {
    D3DXPLANE() = default;
    // A NULL array gives the zero plane.
    D3DXPLANE(const FLOAT* pf)
        : a(pf ? pf[0] : 0.0f), b(pf ? pf[1] : 0.0f), c(pf ? pf[2] : 0.0f), d(pf ? pf[3] : 0.0f) {}
    D3DXPLANE(FLOAT fa, FLOAT fb, FLOAT fc, FLOAT fd) : a(fa), b(fb), c(fc), d(fd) {}

    operator FLOAT*() { return &a; }
    operator const FLOAT*() const { return &a; }

    D3DXPLANE operator+() const { return *this; }
    D3DXPLANE operator-() const { return D3DXPLANE(-a, -b, -c, -d); }

    BOOL operator==(const D3DXPLANE& p) const {
        return a == p.a && b == p.b && c == p.c && d == p.d;
    }
    BOOL operator!=(const D3DXPLANE& p) const { return !(*this == p); }

    FLOAT a, b, c, d;
} D3DXPLANE, *LPD3DXPLANE;

typedef struct D3DXCOLOR {
    D3DXCOLOR() = default;
    // 0xAARRGGBB, each channel scaled from 0..255 to 0..1.
    D3DXCOLOR(DWORD argb)
        : r(channel_to_float(argb >> 16)), g(channel_to_float(argb >> 8)),
          b(channel_to_float(argb)), a(channel_to_float(argb >> 24)) {}
    // A NULL array gives transparent black.
    D3DXCOLOR(const FLOAT* pf)
        : r(pf ? pf[0] : 0.0f), g(pf ? pf[1] : 0.0f), b(pf ? pf[2] : 0.0f), a(pf ? pf[3] : 0.0f) {}
    D3DXCOLOR(const D3DCOLORVALUE& col) : r(col.r), g(col.g), b(col.b), a(col.a) {}
    D3DXCOLOR(FLOAT fr, FLOAT fg, FLOAT fb, FLOAT fa) : r(fr), g(fg), b(fb), a(fa) {}

    // Back to 0xAARRGGBB: channels are clamped to 0..1 (NaN counts as 0) and rounded.
    operator DWORD() const {
        return (channel_to_byte(a) << 24) | (channel_to_byte(r) << 16) | (channel_to_byte(g) << 8) |
               channel_to_byte(b);
    }

    operator FLOAT*() { return &r; }
    operator const FLOAT*() const { return &r; }

    // Same four floats in the same order as D3DCOLORVALUE.
    operator D3DCOLORVALUE*() { return reinterpret_cast<D3DCOLORVALUE*>(&r); }
    operator const D3DCOLORVALUE*() const { return reinterpret_cast<const D3DCOLORVALUE*>(&r); }
    operator D3DCOLORVALUE&() { return *reinterpret_cast<D3DCOLORVALUE*>(&r); }
    operator const D3DCOLORVALUE&() const { return *reinterpret_cast<const D3DCOLORVALUE*>(&r); }

    D3DXCOLOR& operator+=(const D3DXCOLOR& col) { return *this = *this + col; }
    D3DXCOLOR& operator-=(const D3DXCOLOR& col) { return *this = *this - col; }
    D3DXCOLOR& operator*=(FLOAT f) { return *this = *this * f; }
    D3DXCOLOR& operator/=(FLOAT f) { return *this = *this / f; }

    D3DXCOLOR operator+() const { return *this; }
    D3DXCOLOR operator-() const { return D3DXCOLOR(-r, -g, -b, -a); }

    D3DXCOLOR operator+(const D3DXCOLOR& col) const {
        return D3DXCOLOR(r + col.r, g + col.g, b + col.b, a + col.a);
    }
    D3DXCOLOR operator-(const D3DXCOLOR& col) const {
        return D3DXCOLOR(r - col.r, g - col.g, b - col.b, a - col.a);
    }
    D3DXCOLOR operator*(FLOAT f) const { return D3DXCOLOR(r * f, g * f, b * f, a * f); }
    // Multiplies by the reciprocal, as the Windows build's header does.
    D3DXCOLOR operator/(FLOAT f) const { return *this * (1.0f / f); }

    friend D3DXCOLOR operator*(FLOAT f, const D3DXCOLOR& col) { return col * f; }

    BOOL operator==(const D3DXCOLOR& col) const {
        return r == col.r && g == col.g && b == col.b && a == col.a;
    }
    BOOL operator!=(const D3DXCOLOR& col) const { return !(*this == col); }

    FLOAT r, g, b, a;

private:
    static FLOAT channel_to_float(DWORD bits) {
        return (1.0f / 255.0f) * static_cast<FLOAT>(bits & 0xffu);
    }
    static DWORD channel_to_byte(FLOAT f) {
        if (!(f > 0.0f)) {
            return 0x00;
        }
        if (f >= 1.0f) {
            return 0xff;
        }
        return static_cast<DWORD>(f * 255.0f + 0.5f);
    }
} D3DXCOLOR, *LPD3DXCOLOR;

extern "C" {

D3DXMATRIX* WINAPI D3DXMatrixInverse(D3DXMATRIX* pOut, FLOAT* pDeterminant, const D3DXMATRIX* pM);
D3DXMATRIX* WINAPI D3DXMatrixTranspose(D3DXMATRIX* pOut, const D3DXMATRIX* pM);
D3DXMATRIX* WINAPI D3DXMatrixTranslation(D3DXMATRIX* pOut, FLOAT x, FLOAT y, FLOAT z);
D3DXMATRIX* WINAPI D3DXMatrixScaling(D3DXMATRIX* pOut, FLOAT sx, FLOAT sy, FLOAT sz);
D3DXMATRIX* WINAPI D3DXMatrixRotationX(D3DXMATRIX* pOut, FLOAT Angle);
D3DXMATRIX* WINAPI D3DXMatrixRotationY(D3DXMATRIX* pOut, FLOAT Angle);
D3DXMATRIX* WINAPI D3DXMatrixRotationZ(D3DXMATRIX* pOut, FLOAT Angle);
D3DXMATRIX* WINAPI D3DXMatrixRotationAxis(D3DXMATRIX* pOut, const D3DXVECTOR3* pV, FLOAT Angle);
D3DXMATRIX* WINAPI D3DXMatrixPerspectiveFovLH(D3DXMATRIX* pOut, FLOAT fovy, FLOAT Aspect, FLOAT zn,
                                              FLOAT zf);
D3DXMATRIX* WINAPI D3DXMatrixLookAtLH(D3DXMATRIX* pOut, const D3DXVECTOR3* pEye,
                                      const D3DXVECTOR3* pAt, const D3DXVECTOR3* pUp);

D3DXVECTOR3* WINAPI D3DXVec3Normalize(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV);
D3DXVECTOR3* WINAPI D3DXVec3TransformCoord(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV,
                                           const D3DXMATRIX* pM);
D3DXVECTOR3* WINAPI D3DXVec3TransformNormal(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV,
                                            const D3DXMATRIX* pM);

D3DXPLANE* WINAPI D3DXPlaneFromPointNormal(D3DXPLANE* pOut, const D3DXVECTOR3* pPoint,
                                           const D3DXVECTOR3* pNormal);
D3DXVECTOR3* WINAPI D3DXPlaneIntersectLine(D3DXVECTOR3* pOut, const D3DXPLANE* pP,
                                           const D3DXVECTOR3* pV1, const D3DXVECTOR3* pV2);
D3DXPLANE* WINAPI D3DXPlaneNormalize(D3DXPLANE* pOut, const D3DXPLANE* pP);

// Centre = average of the NumVertices positions read every dwStride bytes; radius = the
// largest distance from it. D3DERR_INVALIDCALL if a pointer is NULL.
HRESULT WINAPI D3DXComputeBoundingSphere(const D3DXVECTOR3* pFirstPosition, DWORD NumVertices,
                                         DWORD dwStride, D3DXVECTOR3* pCenter, FLOAT* pRadius);

} // extern "C"

inline D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* pOut) {
    if (!pOut) {
        return NULL;
    }
    *pOut = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return pOut;
}

// Exact comparison with the identity: no tolerance.
inline BOOL D3DXMatrixIsIdentity(const D3DXMATRIX* pM) {
    if (!pM) {
        return FALSE;
    }
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            if (pM->m[row][col] != (row == col ? 1.0f : 0.0f)) {
                return FALSE;
            }
        }
    }
    return TRUE;
}

inline FLOAT D3DXVec3Dot(const D3DXVECTOR3* pV1, const D3DXVECTOR3* pV2) {
    if (!pV1 || !pV2) {
        return 0.0f;
    }
    return pV1->x * pV2->x + pV1->y * pV2->y + pV1->z * pV2->z;
}

inline FLOAT D3DXVec3LengthSq(const D3DXVECTOR3* pV) {
    return D3DXVec3Dot(pV, pV);
}

inline FLOAT D3DXVec3Length(const D3DXVECTOR3* pV) {
    return std::sqrt(D3DXVec3LengthSq(pV));
}

// The output may be one of the inputs.
inline D3DXVECTOR3* D3DXVec3Cross(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV1,
                                  const D3DXVECTOR3* pV2) {
    if (!pOut || !pV1 || !pV2) {
        return NULL;
    }
    *pOut = D3DXVECTOR3(pV1->y * pV2->z - pV1->z * pV2->y, pV1->z * pV2->x - pV1->x * pV2->z,
                        pV1->x * pV2->y - pV1->y * pV2->x);
    return pOut;
}

inline D3DXVECTOR3* D3DXVec3Add(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV1, const D3DXVECTOR3* pV2) {
    if (!pOut || !pV1 || !pV2) {
        return NULL;
    }
    *pOut = *pV1 + *pV2;
    return pOut;
}

inline D3DXVECTOR3* D3DXVec3Subtract(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV1,
                                     const D3DXVECTOR3* pV2) {
    if (!pOut || !pV1 || !pV2) {
        return NULL;
    }
    *pOut = *pV1 - *pV2;
    return pOut;
}

inline D3DXVECTOR3* D3DXVec3Scale(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV, FLOAT s) {
    if (!pOut || !pV) {
        return NULL;
    }
    *pOut = *pV * s;
    return pOut;
}

// a x + b y + c z + d: the signed distance of a point from a normalised plane.
inline FLOAT D3DXPlaneDotCoord(const D3DXPLANE* pP, const D3DXVECTOR3* pV) {
    if (!pP || !pV) {
        return 0.0f;
    }
    return pP->a * pV->x + pP->b * pV->y + pP->c * pV->z + pP->d;
}

// The Windows build's header takes the point as a D3DXVECTOR4 (only x, y, z are read);
// accepting both lets code written for either header build here.
inline FLOAT D3DXPlaneDotCoord(const D3DXPLANE* pP, const D3DXVECTOR4* pV) {
    if (!pV) {
        return 0.0f;
    }
    const D3DXVECTOR3 point(pV->x, pV->y, pV->z);
    return D3DXPlaneDotCoord(pP, &point);
}
