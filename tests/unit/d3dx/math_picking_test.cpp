// The geometry of picking: rays from the camera cut with the ground, and planes.
#include "math_test_support.h"

namespace {

using math_test::ExpectVectorNear;
using math_test::kSentinel;
using math_test::TransformCoord;

const D3DXPLANE kGround(0.0f, 0.0f, 1.0f, 0.0f);

TEST(MathPicking, RayThroughTheInverseViewMeetsTheGround) {
    const D3DXVECTOR3 eye(3.0f, -8.0f, 12.0f);
    const D3DXVECTOR3 target(3.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &target, &up);
    D3DXMATRIX cameraToWorld;
    ASSERT_NE(nullptr, D3DXMatrixInverse(&cameraToWorld, NULL, &view));

    // The camera sits at the view-space origin; the centre ray runs along view z.
    const D3DXVECTOR3 rayStart = TransformCoord({0.0f, 0.0f, 0.0f}, cameraToWorld);
    ExpectVectorNear(eye, rayStart, 1e-4f);
    EXPECT_GT(TransformCoord(eye + up, view).y, 0.0f) << "up is up on screen";
    D3DXVECTOR3 hit;
    const D3DXVECTOR3 centreAhead = TransformCoord({0.0f, 0.0f, 1.0f}, cameraToWorld);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &kGround, &rayStart, &centreAhead));
    ExpectVectorNear(target, hit, 1e-4f);

    // An off-centre ray meets the ground on its own line.
    const D3DXVECTOR3 offCentre = TransformCoord({0.2f, -0.1f, 1.0f}, cameraToWorld);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &kGround, &rayStart, &offCentre));
    EXPECT_NEAR(0.0f, hit.z, 1e-4f);
    const D3DXVECTOR3 along = offCentre - rayStart;
    const D3DXVECTOR3 toHit = hit - rayStart;
    D3DXVECTOR3 skew;
    D3DXVec3Cross(&skew, &along, &toHit);
    EXPECT_NEAR(0.0f, D3DXVec3Length(&skew), 1e-3f);
    // Looking along +y with z up, a left-handed camera's right is world -x.
    EXPECT_LT(hit.x, target.x);

    // The output may be one of the points.
    D3DXVECTOR3 inPlace = rayStart;
    D3DXPlaneIntersectLine(&inPlace, &kGround, &inPlace, &centreAhead);
    ExpectVectorNear(target, inPlace, 1e-4f);
}

TEST(MathPicking, LineParallelToThePlaneGivesNullAndLeavesOutputAlone) {
    const D3DXVECTOR3 a(0.0f, 0.0f, 1.0f);
    const D3DXVECTOR3 b(5.0f, -2.0f, 1.0f);
    const D3DXVECTOR3 untouched(kSentinel, kSentinel, kSentinel);
    D3DXVECTOR3 out = untouched;
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &kGround, &a, &b));
    EXPECT_EQ(untouched, out);
    // Two equal points make no line either.
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &kGround, &a, &a));
    EXPECT_EQ(untouched, out);
}

TEST(MathPicking, PlanesMeasureSignedDistanceAndNormaliseAllFourTerms) {
    D3DXPLANE plane(0.0f, 0.0f, 2.0f, -6.0f);
    const D3DXVECTOR3 above(7.0f, -1.0f, 5.0f);
    EXPECT_FLOAT_EQ(4.0f, D3DXPlaneDotCoord(&plane, &above));
    // The Windows build's header takes a D3DXVECTOR4 and ignores w.
    const D3DXVECTOR4 below(0.0f, 0.0f, 1.0f, 100.0f);
    EXPECT_FLOAT_EQ(-4.0f, D3DXPlaneDotCoord(&plane, &below));

    plane = D3DXPLANE(0.0f, 3.0f, 4.0f, 10.0f);
    ASSERT_EQ(&plane, D3DXPlaneNormalize(&plane, &plane));
    EXPECT_FLOAT_EQ(0.6f, plane.b);
    EXPECT_FLOAT_EQ(0.8f, plane.c);
    EXPECT_FLOAT_EQ(2.0f, plane.d);
    // A zero normal gives the zero plane, not NaN.
    const D3DXPLANE degenerate(0.0f, 0.0f, 0.0f, 3.0f);
    ASSERT_EQ(&plane, D3DXPlaneNormalize(&plane, &degenerate));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 0.0f, 0.0f), plane);
}

} // namespace
