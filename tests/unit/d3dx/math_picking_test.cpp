// The geometry of picking: rays from the camera cut with the ground, and planes.
#include "math_test_support.h"

namespace {

using math_test::ExpectVectorNear;
using math_test::kSentinel;
using math_test::TransformCoord;

D3DXPLANE Ground() {
    const D3DXVECTOR3 origin(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
    D3DXPLANE plane;
    D3DXPlaneFromPointNormal(&plane, &origin, &up);
    return plane;
}

TEST(MathPicking, RayThroughTheInverseViewMeetsTheGround) {
    const D3DXVECTOR3 eye(3.0f, -8.0f, 12.0f);
    const D3DXVECTOR3 target(3.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 0.0f, 1.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &target, &up);
    D3DXMATRIX camera_to_world;
    ASSERT_NE(nullptr, D3DXMatrixInverse(&camera_to_world, NULL, &view));

    // The camera sits at the view-space origin; the centre ray runs along view z.
    const D3DXVECTOR3 ray_start = TransformCoord({0.0f, 0.0f, 0.0f}, camera_to_world);
    ExpectVectorNear(eye, ray_start, 1e-4f);
    const D3DXPLANE ground = Ground();
    D3DXVECTOR3 hit;
    const D3DXVECTOR3 centre_ahead = TransformCoord({0.0f, 0.0f, 1.0f}, camera_to_world);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &ground, &ray_start, &centre_ahead));
    ExpectVectorNear(target, hit, 1e-4f);

    // An off-centre ray meets the ground on its own line.
    const D3DXVECTOR3 off_centre = TransformCoord({0.2f, -0.1f, 1.0f}, camera_to_world);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &ground, &ray_start, &off_centre));
    EXPECT_NEAR(0.0f, hit.z, 1e-4f);
    const D3DXVECTOR3 along = off_centre - ray_start;
    const D3DXVECTOR3 to_hit = hit - ray_start;
    D3DXVECTOR3 skew;
    D3DXVec3Cross(&skew, &along, &to_hit);
    EXPECT_NEAR(0.0f, D3DXVec3Length(&skew), 1e-3f);
    // Looking along +y with z up, a left-handed camera's right is world -x.
    EXPECT_LT(hit.x, target.x);
}

TEST(MathPicking, LineParallelToThePlaneGivesNullAndLeavesOutputAlone) {
    const D3DXPLANE ground = Ground();
    const D3DXVECTOR3 a(0.0f, 0.0f, 1.0f);
    const D3DXVECTOR3 b(5.0f, -2.0f, 1.0f);
    D3DXVECTOR3 out(kSentinel, kSentinel, kSentinel);
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &ground, &a, &b));
    EXPECT_EQ(D3DXVECTOR3(kSentinel, kSentinel, kSentinel), out);
    // Two equal points make no line either.
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &ground, &a, &a));
    EXPECT_EQ(D3DXVECTOR3(kSentinel, kSentinel, kSentinel), out);
}

TEST(MathPicking, TheWholeLineIsCutNotOnlyTheSegment) {
    const D3DXPLANE ground = Ground();
    D3DXVECTOR3 hit;
    // Stops short of the ground.
    const D3DXVECTOR3 high(0.0f, 0.0f, 10.0f);
    const D3DXVECTOR3 lower(1.0f, 0.0f, 9.0f);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &ground, &high, &lower));
    ExpectVectorNear({10.0f, 0.0f, 0.0f}, hit);
    // Points away from the ground: the line is cut behind its start.
    const D3DXVECTOR3 start(0.0f, 0.0f, 1.0f);
    const D3DXVECTOR3 away(0.0f, 1.0f, 2.0f);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &ground, &start, &away));
    ExpectVectorNear({0.0f, -1.0f, 0.0f}, hit);
    // A plane off the origin and not axis-aligned: x + y = 4.
    const D3DXPLANE slanted(1.0f, 1.0f, 0.0f, -4.0f);
    const D3DXVECTOR3 origin(0.0f, 0.0f, 0.0f);
    const D3DXVECTOR3 on_x(1.0f, 0.0f, 0.0f);
    ASSERT_EQ(&hit, D3DXPlaneIntersectLine(&hit, &slanted, &origin, &on_x));
    ExpectVectorNear({4.0f, 0.0f, 0.0f}, hit);
    // The output may be one of the points.
    D3DXVECTOR3 in_place = high;
    D3DXPlaneIntersectLine(&in_place, &ground, &in_place, &lower);
    ExpectVectorNear({10.0f, 0.0f, 0.0f}, in_place);
}

TEST(MathPicking, PlanesFromAPointAndANormalMeasureSignedDistance) {
    const D3DXVECTOR3 point(1.0f, 2.0f, 3.0f);
    const D3DXVECTOR3 normal(0.0f, 0.0f, 2.0f);
    D3DXPLANE plane;
    ASSERT_EQ(&plane, D3DXPlaneFromPointNormal(&plane, &point, &normal));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 2.0f, -6.0f), plane);

    const D3DXVECTOR3 above(7.0f, -1.0f, 5.0f);
    EXPECT_FLOAT_EQ(4.0f, D3DXPlaneDotCoord(&plane, &above));
    EXPECT_FLOAT_EQ(0.0f, D3DXPlaneDotCoord(&plane, &point));
    // The Windows build's header takes a D3DXVECTOR4 and ignores w.
    const D3DXVECTOR4 below(0.0f, 0.0f, 1.0f, 100.0f);
    EXPECT_FLOAT_EQ(-4.0f, D3DXPlaneDotCoord(&plane, &below));
    EXPECT_EQ(0.0f, D3DXPlaneDotCoord(NULL, &above));
    EXPECT_EQ(0.0f, D3DXPlaneDotCoord(&plane, static_cast<const D3DXVECTOR3*>(NULL)));
    EXPECT_EQ(0.0f, D3DXPlaneDotCoord(&plane, static_cast<const D3DXVECTOR4*>(NULL)));
}

TEST(MathPicking, NormalisingAPlaneScalesAllFourTerms) {
    const D3DXPLANE plane(0.0f, 3.0f, 4.0f, 10.0f);
    D3DXPLANE out;
    ASSERT_EQ(&out, D3DXPlaneNormalize(&out, &plane));
    EXPECT_FLOAT_EQ(0.6f, out.b);
    EXPECT_FLOAT_EQ(0.8f, out.c);
    EXPECT_FLOAT_EQ(2.0f, out.d);
    // A zero normal gives the zero plane, not NaN.
    const D3DXPLANE degenerate(0.0f, 0.0f, 0.0f, 3.0f);
    ASSERT_EQ(&out, D3DXPlaneNormalize(&out, &degenerate));
    EXPECT_EQ(D3DXPLANE(0.0f, 0.0f, 0.0f, 0.0f), out);
    // In place.
    D3DXPLANE in_place = plane;
    D3DXPlaneNormalize(&in_place, &in_place);
    EXPECT_FLOAT_EQ(2.0f, in_place.d);
}

TEST(MathPicking, NullPointersGiveNull) {
    const D3DXPLANE plane = Ground();
    const D3DXVECTOR3 v(1.0f, 2.0f, 3.0f);
    D3DXVECTOR3 out;
    D3DXPLANE plane_out;
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(NULL, &plane, &v, &v));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &plane, NULL, &v));
    EXPECT_EQ(nullptr, D3DXPlaneIntersectLine(&out, &plane, &v, NULL));
    EXPECT_EQ(nullptr, D3DXPlaneFromPointNormal(NULL, &v, &v));
    EXPECT_EQ(nullptr, D3DXPlaneFromPointNormal(&plane_out, NULL, &v));
    EXPECT_EQ(nullptr, D3DXPlaneFromPointNormal(&plane_out, &v, NULL));
    EXPECT_EQ(nullptr, D3DXPlaneNormalize(NULL, &plane));
    EXPECT_EQ(nullptr, D3DXPlaneNormalize(&plane_out, NULL));
}

} // namespace
