// View and projection matrices for a left-handed camera.
#include <d3dx9math.h>

#include "math_trig.h"

extern "C" {

// Maps view-space depth zn to 0 and zf to 1 (after the divide by w = view z).
D3DXMATRIX* WINAPI D3DXMatrixPerspectiveFovLH(D3DXMATRIX* pOut, FLOAT fovy, FLOAT Aspect, FLOAT zn,
                                              FLOAT zf) {
    if (!pOut) {
        return NULL;
    }
    const float tangent = d3dx_math::tangent(fovy / 2.0f);
    const float y_scale = 1.0f / tangent;
    const float x_scale = 1.0f / (Aspect * tangent);
    // clang-format off
    *pOut = D3DXMATRIX(x_scale, 0.0f,    0.0f,                 0.0f,
                       0.0f,    y_scale, 0.0f,                 0.0f,
                       0.0f,    0.0f,    zf / (zf - zn),       1.0f,
                       0.0f,    0.0f,    zn * zf / (zn - zf),  0.0f);
    // clang-format on
    return pOut;
}

// Camera at pEye looking at pAt: view z points at the target, x to the right of pUp.
D3DXMATRIX* WINAPI D3DXMatrixLookAtLH(D3DXMATRIX* pOut, const D3DXVECTOR3* pEye,
                                      const D3DXVECTOR3* pAt, const D3DXVECTOR3* pUp) {
    if (!pOut || !pEye || !pAt || !pUp) {
        return NULL;
    }
    D3DXVECTOR3 forward = *pAt - *pEye;
    D3DXVec3Normalize(&forward, &forward);
    // Up comes from the right vector before it is normalised, then both are normalised.
    D3DXVECTOR3 right;
    D3DXVec3Cross(&right, pUp, &forward);
    D3DXVECTOR3 up;
    D3DXVec3Cross(&up, &forward, &right);
    D3DXVec3Normalize(&up, &up);
    D3DXVec3Normalize(&right, &right);
    // clang-format off
    *pOut = D3DXMATRIX(right.x,                    up.x,                    forward.x,                    0.0f,
                       right.y,                    up.y,                    forward.y,                    0.0f,
                       right.z,                    up.z,                    forward.z,                    0.0f,
                       -D3DXVec3Dot(&right, pEye), -D3DXVec3Dot(&up, pEye), -D3DXVec3Dot(&forward, pEye), 1.0f);
    // clang-format on
    return pOut;
}

} // extern "C"
