// CCamera: construction, moving and turning in its own frame, the view matrix and the
// "camera_data" text it reads and writes.
#include "render/camera.h"

#include <d3dx9.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <unistd.h>

namespace {

constexpr float kHalfPi = 1.5707963f;

void ExpectNear(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual, float tolerance = 1e-5f) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

auto Pose(const CCamera& camera) {
    return std::make_tuple(camera.mode, camera.position, camera.up, camera.look, camera.right);
}

D3DXVECTOR3 ToView(const D3DXMATRIX& view, const D3DXVECTOR3& point) {
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &point, &view);
    return out;
}

// A camera turned and moved away from the constructor's pose.
CCamera PosedCamera() {
    CCamera camera(Free);
    camera.Yaw(0.3f);
    camera.Pitch(-0.7f);
    camera.Roll(1.1f);
    const D3DXVECTOR3 position(12.5f, -3.25f, 40.0f);
    camera.SetPosition(&position);
    return camera;
}

// Runs each test in an empty directory of its own, which it leaves afterwards.
class CameraFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(root_);
        std::filesystem::current_path(root_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(root_);
    }
    static std::string CameraText() {
        std::stringstream text;
        text << std::ifstream("camera.txt").rdbuf();
        return text.str();
    }

    const std::filesystem::path previous_ = std::filesystem::current_path();
    const std::filesystem::path root_ =
        std::filesystem::temp_directory_path() / ("rw_camera_" + std::to_string(getpid()));
};

TEST(CameraTest, ConstructorPoseGivesIdentityViewAndZeroTurnsChangeNothing) {
    CCamera camera(Free);
    D3DXMATRIX view(nullptr);
    camera.GetViewMatrix(&view);
    EXPECT_TRUE(D3DXMatrixIsIdentity(&view));

    const CCamera before = PosedCamera();
    CCamera turned = before;
    turned.Pitch(0.0f);
    turned.Yaw(0.0f);
    turned.Roll(0.0f);
    EXPECT_EQ(Pose(before), Pose(turned));
}

// Each turn rotates the other two axes about the named one, as that axis is now: yaw turns
// the view towards right, pitch tips it down, roll turns right onto up; after a yaw, pitch
// turns about right = -z.
TEST(CameraTest, TurnsRotateTheOtherAxesAboutTheNamedOne) {
    CCamera yawed(Free), pitched(Free), rolled(Free), both(Free);
    yawed.Yaw(kHalfPi);
    pitched.Pitch(kHalfPi);
    rolled.Roll(kHalfPi);
    both.Yaw(kHalfPi);
    both.Pitch(kHalfPi);
    struct Case {
        const char* name;
        const CCamera& camera;
        D3DXVECTOR3 right, up, look;
    };
    for (const Case& c : {Case{"yaw", yawed, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
                          Case{"pitch", pitched, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
                          Case{"roll", rolled, {0, 1, 0}, {-1, 0, 0}, {0, 0, 1}},
                          Case{"yaw, pitch", both, {0, 0, -1}, {1, 0, 0}, {0, -1, 0}}}) {
        SCOPED_TRACE(c.name);
        ExpectNear(c.right, c.camera.right);
        ExpectNear(c.up, c.camera.up);
        ExpectNear(c.look, c.camera.look);
    }
}

TEST(CameraTest, MovesAddTheAxisAtItsCurrentLength) {
    CCamera camera(Free);
    camera.look = D3DXVECTOR3(0, 0, 2);
    camera.right = D3DXVECTOR3(3, 0, 0);
    camera.up = D3DXVECTOR3(0, 0.5f, 0);
    camera.Walk(3.0f);
    camera.Strafe(-1.0f);
    camera.Fly(4.0f);
    EXPECT_EQ(D3DXVECTOR3(-3, 2, 6), camera.position);
}

TEST(CameraTest, ViewMatrixRebuildsAxesFromLookAndMapsIntoTheCameraFrame) {
    // A skewed right axis and a long look: look keeps its direction, the others follow it.
    CCamera skewed(Free);
    skewed.look = D3DXVECTOR3(0, 0, 3);
    skewed.right = D3DXVECTOR3(1, 0, 0.5f);
    skewed.up = D3DXVECTOR3(0, 2, 0.25f);
    D3DXMATRIX view;
    skewed.GetViewMatrix(&view);
    ExpectNear(D3DXVECTOR3(0, 0, 1), skewed.look);
    ExpectNear(D3DXVECTOR3(0, 1, 0), skewed.up);
    ExpectNear(D3DXVECTOR3(1, 0, 0), skewed.right);

    CCamera camera(Free);
    camera.Yaw(kHalfPi); // looking along +x, right along -z, up along +y
    const D3DXVECTOR3 eye(10, 20, 30);
    camera.SetPosition(&eye);
    camera.GetViewMatrix(&view);
    ExpectNear(D3DXVECTOR3(0, 0, 0), ToView(view, eye), 1e-4f);
    ExpectNear(D3DXVECTOR3(0, 0, 5), ToView(view, D3DXVECTOR3(15, 20, 30)), 1e-4f);
    ExpectNear(D3DXVECTOR3(0, 2, 0), ToView(view, D3DXVECTOR3(10, 22, 30)), 1e-4f);
    ExpectNear(D3DXVECTOR3(4, 0, 0), ToView(view, D3DXVECTOR3(10, 20, 26)), 1e-4f);
    EXPECT_EQ(D3DXVECTOR4(0, 0, 0, 1), D3DXVECTOR4(view._14, view._24, view._34, view._44));
}

TEST(CameraTest, ManySmallTurnsEndOrthonormalWithLookKeepingItsDirection) {
    CCamera camera(Free);
    for (int i = 0; i < 5000; ++i) {
        camera.Pitch(0.013f);
        camera.Yaw(-0.021f);
        camera.Roll(0.034f);
    }
    D3DXVECTOR3 lookBefore;
    D3DXVec3Normalize(&lookBefore, &camera.look);

    D3DXMATRIX view;
    camera.GetViewMatrix(&view);
    const D3DXVECTOR3 right(view._11, view._21, view._31);
    const D3DXVECTOR3 up(view._12, view._22, view._32);
    const D3DXVECTOR3 look(view._13, view._23, view._33);
    for (const D3DXVECTOR3* axis : {&right, &up, &look}) {
        EXPECT_NEAR(1.0f, D3DXVec3Length(axis), 1e-5f);
    }
    EXPECT_NEAR(0.0f, D3DXVec3Dot(&right, &up), 1e-5f);
    EXPECT_NEAR(0.0f, D3DXVec3Dot(&right, &look), 1e-5f);
    EXPECT_NEAR(0.0f, D3DXVec3Dot(&up, &look), 1e-5f);
    ExpectNear(lookBefore, look);
    // Left-handed: right x up = look.
    D3DXVECTOR3 cross;
    D3DXVec3Cross(&cross, &right, &up);
    ExpectNear(look, cross);
    // The camera's own axes are the ones the matrix holds.
    EXPECT_EQ(look, camera.look);
    EXPECT_EQ(right, camera.right);
}

TEST(CameraTest, ReadsTwelveNumbersInBlockOrderAndStopsAtTheFirstBadOne) {
    std::istringstream block("1 2 3\n4 5 6\t7\n8 9   10 11\n\n12 rest");
    CCamera camera(Free);
    camera.ReadCameraData(block);
    EXPECT_FALSE(block.fail());
    EXPECT_EQ(D3DXVECTOR3(1, 2, 3), camera.position);
    EXPECT_EQ(D3DXVECTOR3(4, 5, 6), camera.up);
    EXPECT_EQ(D3DXVECTOR3(7, 8, 9), camera.look);
    EXPECT_EQ(D3DXVECTOR3(10, 11, 12), camera.right);
    std::string next;
    block >> next;
    EXPECT_EQ("rest", next); // nothing after the twelfth number is taken

    // A word, or the end, leaves the stream failed and the later fields as they were.
    for (const char* text : {"1 2 3 4 oops 6 7 8 9 10 11 12", "1 2 3 4"}) {
        std::istringstream bad(text);
        CCamera partial(Free);
        partial.ReadCameraData(bad);
        EXPECT_TRUE(bad.fail()) << text;
        EXPECT_EQ(D3DXVECTOR3(1, 2, 3), partial.position) << text;
        EXPECT_EQ(4.0f, partial.up.x) << text;
        EXPECT_EQ(0.0f, partial.up.z) << text;
        EXPECT_EQ(D3DXVECTOR3(0, 0, 1), partial.look) << text;
        EXPECT_EQ(D3DXVECTOR3(1, 0, 0), partial.right) << text;
    }
}

TEST_F(CameraFileTest, WritesFourLinesOfTenSignificantDigits) {
    std::ofstream("camera.txt") << "an older and much longer content that must go away\n";
    CCamera camera(Free);
    const D3DXVECTOR3 position(1, 2, 3);
    camera.SetPosition(&position);
    camera.SaveToFile();
    EXPECT_EQ("1 2 3\n0 1 0\n0 0 1\n1 0 0\n", CameraText());

    // The float is widened to double first.
    camera.position = D3DXVECTOR3(0.1f, 1e-7f, 123456789.0f);
    camera.up = D3DXVECTOR3(-2.5f, 1e20f, -0.0f);
    camera.SaveToFile();
    EXPECT_EQ("0.1000000015 1.000000012e-07 123456792\n"
              "-2.5 1.00000002e+20 -0\n"
              "0 0 1\n1 0 0\n",
              CameraText());
}

// A turned and moved camera reads back exactly; a file that cannot be opened gets nothing.
TEST_F(CameraFileTest, SavedFileReadsBackAsTheSameCamera) {
    const CCamera saved = PosedCamera();
    CCamera writer = saved;
    writer.SaveToFile();
    std::ifstream file("camera.txt");
    CCamera read(Free);
    read.ReadCameraData(file);
    EXPECT_FALSE(file.fail());
    EXPECT_EQ(Pose(saved), Pose(read));

    std::filesystem::remove("camera.txt");
    std::filesystem::create_directory("camera.txt");
    writer.SaveToFile();
    EXPECT_TRUE(std::filesystem::is_empty("camera.txt"));
}

} // namespace
