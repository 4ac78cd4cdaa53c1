// Null pointers to any maths function give NULL (or 0) and write nothing.
#include "math_test_support.h"

namespace {

TEST(MathNullPointers, GiveNullOrZeroAndTouchNothing) {
    D3DXMATRIX m;
    D3DXMatrixIdentity(&m);
    D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    D3DXPLANE plane(0.0f, 0.0f, 1.0f, 0.0f);

    EXPECT_EQ(nullptr, D3DXMatrixIdentity(NULL));
    EXPECT_EQ(nullptr, D3DXMatrixMultiply(NULL, &m, &m));
    EXPECT_EQ(nullptr, D3DXMatrixMultiply(&m, NULL, &m));
    EXPECT_EQ(nullptr, D3DXMatrixMultiply(&m, &m, NULL));
    EXPECT_EQ(nullptr, D3DXMatrixInverse(NULL, NULL, &m));
    EXPECT_EQ(nullptr, D3DXMatrixInverse(&m, NULL, NULL));
    EXPECT_EQ(nullptr, D3DXMatrixTranspose(NULL, &m));
    EXPECT_EQ(nullptr, D3DXMatrixTranspose(&m, NULL));
    EXPECT_EQ(nullptr, D3DXMatrixTranslation(NULL, 1.0f, 2.0f, 3.0f));
    EXPECT_EQ(nullptr, D3DXMatrixScaling(NULL, 1.0f, 2.0f, 3.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationX(NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationY(NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationZ(NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationAxis(NULL, &v, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixRotationAxis(&m, NULL, 1.0f));
    EXPECT_EQ(nullptr, D3DXMatrixPerspectiveFovLH(NULL, 1.0f, 1.0f, 1.0f, 2.0f));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(NULL, &v, &v, &v));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(&m, NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(&m, &v, NULL, &v));
    EXPECT_EQ(nullptr, D3DXMatrixLookAtLH(&m, &v, &v, NULL));
    EXPECT_FALSE(D3DXMatrixIsIdentity(NULL));
    EXPECT_TRUE(D3DXMatrixIsIdentity(&m));

    EXPECT_EQ(nullptr, D3DXVec3TransformCoord(NULL, &v, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformCoord(&v, NULL, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformCoord(&v, &v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3TransformNormal(NULL, &v, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformNormal(&v, NULL, &m));
    EXPECT_EQ(nullptr, D3DXVec3TransformNormal(&v, &v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Normalize(NULL, &v));
    EXPECT_EQ(nullptr, D3DXVec3Normalize(&v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Cross(NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXVec3Cross(&v, NULL, &v));
    EXPECT_EQ(nullptr, D3DXVec3Cross(&v, &v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Add(&v, NULL, &v));
    EXPECT_EQ(nullptr, D3DXVec3Subtract(&v, &v, NULL));
    EXPECT_EQ(nullptr, D3DXVec3Scale(NULL, &v, 2.0f));
    EXPECT_EQ(D3DXVECTOR3(1.0f, 2.0f, 3.0f), v);
    EXPECT_EQ(0.0f, D3DXVec3Dot(NULL, &v));
    EXPECT_EQ(0.0f, D3DXVec3Dot(&v, NULL));
    EXPECT_EQ(0.0f, D3DXVec3Length(NULL));
    EXPECT_EQ(0.0f, D3DXVec3LengthSq(NULL));

    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(NULL, &plane, &v, &v));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&v, NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&v, &plane, NULL, &v));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&v, &plane, &v, NULL));
    EXPECT_EQ(nullptr, D3DXPlaneFromPointNormal(NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXPlaneFromPointNormal(&plane, NULL, &v));
    EXPECT_EQ(nullptr, D3DXPlaneFromPointNormal(&plane, &v, NULL));
    EXPECT_EQ(nullptr, D3DXPlaneNormalize(NULL, &plane));
    EXPECT_EQ(nullptr, D3DXPlaneNormalize(&plane, NULL));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 1.0f, 0.0f), plane);
    EXPECT_EQ(0.0f, D3DXPlaneDotCoord(NULL, &v));
    EXPECT_EQ(0.0f, D3DXPlaneDotCoord(&plane, static_cast<const D3DXVECTOR3*>(NULL)));
    EXPECT_EQ(0.0f, D3DXPlaneDotCoord(&plane, static_cast<const D3DXVECTOR4*>(NULL)));

    // Constructors from a null array give zeros.
    EXPECT_EQ(D3DXVECTOR3(0.0f, 0.0f, 0.0f), D3DXVECTOR3(static_cast<const FLOAT*>(NULL)));
    EXPECT_EQ(D3DXCOLOR(0.0f, 0.0f, 0.0f, 0.0f), D3DXCOLOR(static_cast<const FLOAT*>(NULL)));
    EXPECT_EQ(0.0f, D3DXMATRIX(static_cast<const FLOAT*>(NULL))._44);
}

} // namespace
