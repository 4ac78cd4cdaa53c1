// Null pointers to any maths function give NULL (or 0) and write nothing.
#include "math_test_support.h"

namespace {

TEST(MathNullPointers, GiveNullOrZeroAndTouchNothing) {
    D3DXMATRIX m;
    D3DXMatrixIdentity(&m);
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    D3DXPLANE plane(0.0f, 0.0f, 1.0f, 0.0f);

    const void* results[] = {
        D3DXMatrixIdentity(NULL),
        D3DXMatrixMultiply(&m, &m, NULL),
        D3DXMatrixInverse(&m, NULL, NULL),
        D3DXMatrixTranspose(&m, NULL),
        D3DXMatrixTranslation(NULL, 1.0f, 2.0f, 3.0f),
        D3DXMatrixScaling(NULL, 1.0f, 2.0f, 3.0f),
        D3DXMatrixRotationX(NULL, 1.0f),
        D3DXMatrixRotationY(NULL, 1.0f),
        D3DXMatrixRotationZ(NULL, 1.0f),
        D3DXMatrixRotationAxis(&m, NULL, 1.0f),
        D3DXMatrixPerspectiveFovLH(NULL, 1.0f, 1.0f, 1.0f, 2.0f),
        D3DXMatrixLookAtLH(&m, &v, &v, NULL),
        D3DXVec3TransformCoord(&v, &v, NULL),
        D3DXVec3TransformNormal(&v, NULL, &m),
        D3DXVec3Normalize(&v, NULL),
        D3DXVec3Cross(&v, NULL, &v),
        D3DXVec3Add(&v, NULL, &v),
        D3DXVec3Subtract(&v, &v, NULL),
        D3DXVec3Scale(NULL, &v, 2.0f),
        D3DXPlaneIntersectLine(&v, &plane, &v, NULL),
        D3DXPlaneFromPointNormal(&plane, NULL, &v),
        D3DXPlaneNormalize(&plane, NULL),
    };
    for (const void* result : results) {
        EXPECT_EQ(nullptr, result);
    }
    EXPECT_EQ(D3DXVECTOR3(1.0f, 2.0f, 3.0f), v);
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 1.0f, 0.0f), plane);
    EXPECT_TRUE(D3DXMatrixIsIdentity(&m));
    EXPECT_FALSE(D3DXMatrixIsIdentity(NULL));
    for (float zero : {D3DXVec3Dot(&v, NULL), D3DXVec3Length(NULL), D3DXVec3LengthSq(NULL),
                       D3DXPlaneDotCoord(NULL, &v),
                       D3DXPlaneDotCoord(&plane, static_cast<const D3DXVECTOR4*>(NULL))}) {
        EXPECT_EQ(0.0f, zero);
    }

    // Constructors from a null array give zeros.
    EXPECT_EQ(D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(static_cast<const FLOAT*>(NULL)));
    EXPECT_EQ(D3DXCOLOR(0.0f, 0.0f, 0.0f, 0.0f), D3DXCOLOR(static_cast<const FLOAT*>(NULL)));
}

} // namespace
