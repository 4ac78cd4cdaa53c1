// Vector normalisation and transformation by a matrix (row vector times matrix).
#include <d3dx9math.h>

extern "C" {

// The zero vector stays zero rather than becoming NaN.
D3DXVECTOR3* WINAPI D3DXVec3Normalize(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV) {
    if (!pOut || !pV) {
        return NULL;
    }
    const float length = D3DXVec3Length(pV);
    if (length == 0.0f) {
        *pOut = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    } else {
        *pOut = D3DXVECTOR3(pV->x / length, pV->y / length, pV->z / length);
    }
    return pOut;
}

// (x, y, z, 1) * M, divided by the resulting w (a w of 0 gives infinities or NaN, as on
// the platform).
D3DXVECTOR3* WINAPI D3DXVec3TransformCoord(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV,
                                           const D3DXMATRIX* pM) {
    if (!pOut || !pV || !pM) {
        return NULL;
    }
    const D3DXMATRIX& m = *pM;
    const float w = m._14 * pV->x + m._24 * pV->y + m._34 * pV->z + m._44;
    *pOut = D3DXVECTOR3((m._11 * pV->x + m._21 * pV->y + m._31 * pV->z + m._41) / w,
                        (m._12 * pV->x + m._22 * pV->y + m._32 * pV->z + m._42) / w,
                        (m._13 * pV->x + m._23 * pV->y + m._33 * pV->z + m._43) / w);
    return pOut;
}

// (x, y, z, 0) * M: only the upper 3x3 acts, so translation is ignored.
D3DXVECTOR3* WINAPI D3DXVec3TransformNormal(D3DXVECTOR3* pOut, const D3DXVECTOR3* pV,
                                            const D3DXMATRIX* pM) {
    if (!pOut || !pV || !pM) {
        return NULL;
    }
    const D3DXMATRIX& m = *pM;
    *pOut = D3DXVECTOR3(m._11 * pV->x + m._21 * pV->y + m._31 * pV->z,
                        m._12 * pV->x + m._22 * pV->y + m._32 * pV->z,
                        m._13 * pV->x + m._23 * pV->y + m._33 * pV->z);
    return pOut;
}

} // extern "C"
