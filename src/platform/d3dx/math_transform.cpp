// Matrices that move, scale and turn things in the world.
#include <d3dx9math.h>

#include "math_trig.h"

extern "C" {

D3DXMATRIX* WINAPI D3DXMatrixTranslation(D3DXMATRIX* pOut, FLOAT x, FLOAT y, FLOAT z) {
    if (!D3DXMatrixIdentity(pOut)) {
        return NULL;
    }
    pOut->_41 = x;
    pOut->_42 = y;
    pOut->_43 = z;
    return pOut;
}

D3DXMATRIX* WINAPI D3DXMatrixScaling(D3DXMATRIX* pOut, FLOAT sx, FLOAT sy, FLOAT sz) {
    if (!D3DXMatrixIdentity(pOut)) {
        return NULL;
    }
    pOut->_11 = sx;
    pOut->_22 = sy;
    pOut->_33 = sz;
    return pOut;
}

// Rotations are clockwise when looking along the axis towards the origin (left-handed).
D3DXMATRIX* WINAPI D3DXMatrixRotationX(D3DXMATRIX* pOut, FLOAT Angle) {
    if (!D3DXMatrixIdentity(pOut)) {
        return NULL;
    }
    const float c = d3dx_math::cosine(Angle);
    const float s = d3dx_math::sine(Angle);
    pOut->_22 = c;
    pOut->_23 = s;
    pOut->_32 = -s;
    pOut->_33 = c;
    return pOut;
}

D3DXMATRIX* WINAPI D3DXMatrixRotationY(D3DXMATRIX* pOut, FLOAT Angle) {
    if (!D3DXMatrixIdentity(pOut)) {
        return NULL;
    }
    const float c = d3dx_math::cosine(Angle);
    const float s = d3dx_math::sine(Angle);
    pOut->_11 = c;
    pOut->_13 = -s;
    pOut->_31 = s;
    pOut->_33 = c;
    return pOut;
}

D3DXMATRIX* WINAPI D3DXMatrixRotationZ(D3DXMATRIX* pOut, FLOAT Angle) {
    if (!D3DXMatrixIdentity(pOut)) {
        return NULL;
    }
    const float c = d3dx_math::cosine(Angle);
    const float s = d3dx_math::sine(Angle);
    pOut->_11 = c;
    pOut->_12 = s;
    pOut->_21 = -s;
    pOut->_22 = c;
    return pOut;
}

// The axis need not be unit length; a zero axis leaves cos(Angle) on the diagonal.
// Element (row i, column j) is (1 - cos) axis[j] axis[i], plus cos on the diagonal and
// +-sin times the third axis component off it. The products are formed in that order,
// (1 - cos) axis[j] first, which is how the platform rounds them.
D3DXMATRIX* WINAPI D3DXMatrixRotationAxis(D3DXMATRIX* pOut, const D3DXVECTOR3* pV, FLOAT Angle) {
    if (!pOut || !pV) {
        return NULL;
    }
    D3DXVECTOR3 axis;
    D3DXVec3Normalize(&axis, pV);
    const float c = d3dx_math::cosine(Angle);
    const float s = d3dx_math::sine(Angle);
    const float t = 1.0f - c;
    const float x = axis.x;
    const float y = axis.y;
    const float z = axis.z;
    // clang-format off
    *pOut = D3DXMATRIX(t * x * x + c,     t * y * x + s * z, t * z * x - s * y, 0.0f,
                       t * x * y - s * z, t * y * y + c,     t * z * y + s * x, 0.0f,
                       t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0.0f,
                       0.0f,              0.0f,              0.0f,              1.0f);
    // clang-format on
    return pOut;
}

} // extern "C"
