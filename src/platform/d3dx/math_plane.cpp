// Planes a x + b y + c z + d = 0.
#include <d3dx9math.h>

extern "C" {

D3DXPLANE* WINAPI D3DXPlaneFromPointNormal(D3DXPLANE* pOut, const D3DXVECTOR3* pPoint,
                                           const D3DXVECTOR3* pNormal) {
    if (!pOut || !pPoint || !pNormal) {
        return NULL;
    }
    *pOut = D3DXPLANE(pNormal->x, pNormal->y, pNormal->z, -D3DXVec3Dot(pPoint, pNormal));
    return pOut;
}

// Where the whole line through pV1 and pV2 (not just the segment) meets the plane. A line
// parallel to the plane gives NULL and leaves pOut alone.
D3DXVECTOR3* WINAPI D3DXPlaneIntersectLine(D3DXVECTOR3* pOut, const D3DXPLANE* pP,
                                           const D3DXVECTOR3* pV1, const D3DXVECTOR3* pV2) {
    if (!pOut || !pP || !pV1 || !pV2) {
        return NULL;
    }
    const D3DXVECTOR3 normal(pP->a, pP->b, pP->c);
    const D3DXVECTOR3 direction = *pV2 - *pV1;
    const float along = D3DXVec3Dot(&normal, &direction);
    if (along == 0.0f) {
        return NULL;
    }
    const float t = (pP->d + D3DXVec3Dot(&normal, pV1)) / along;
    *pOut = *pV1 - direction * t;
    return pOut;
}

// Scales the plane so that its normal has unit length; a zero normal gives the zero plane.
D3DXPLANE* WINAPI D3DXPlaneNormalize(D3DXPLANE* pOut, const D3DXPLANE* pP) {
    if (!pOut || !pP) {
        return NULL;
    }
    const float length = std::sqrt(pP->a * pP->a + pP->b * pP->b + pP->c * pP->c);
    if (length == 0.0f) {
        *pOut = D3DXPLANE(0.0f, 0.0f, 0.0f, 0.0f);
    } else {
        *pOut = D3DXPLANE(pP->a / length, pP->b / length, pP->c / length, pP->d / length);
    }
    return pOut;
}

} // extern "C"
