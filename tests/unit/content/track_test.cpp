// Rail pieces meet at the tile borders: wherever the connection rules let the train pass
// from one piece to the next, both show the same cross-section (ballast and two rails) on
// the border between them.
#include "content_fixture.h"

#include "world/angle.h"
#include "world/level.h"

#include <cmath>
#include <set>
#include <utility>

namespace content_test {
namespace {

// The cross-section a piece turned to `degrees` shows on one side of tile (0, 0): each
// vertex on that border as (offset along the border from its middle, height), in hundredths.
using Profile = std::set<std::pair<long, long>>;

Profile SideProfile(const std::vector<D3DXVECTOR3>& positions, const char* kind, int degrees,
                    char side) {
    CLevelObject piece;
    piece.kind = kind;
    piece.scale = 1.0f;
    piece.angle = DegreesToAngle(degrees);
    const D3DXMATRIX world = piece.GetWorldMatrix();
    Profile profile;
    for (const D3DXVECTOR3& position : positions) {
        D3DXVECTOR3 p;
        D3DXVec3TransformCoord(&p, &position, &world);
        const bool eastWest = side == 'w' || side == 'e';
        const float across = eastWest ? p.x : p.y;
        const float border = (side == 'w' || side == 'n') ? 0.0f : 10.0f;
        if (std::fabs(across - border) < 1e-3f) {
            const float along = (eastWest ? p.y : p.x) - 5.0f;
            profile.insert({std::lround(std::fabs(along) * 100.0f), std::lround(p.z * 100.0f)});
        }
    }
    return profile;
}

char Opposite(char heading) {
    switch (heading) {
    case 'n':
        return 's';
    case 's':
        return 'n';
    case 'e':
        return 'w';
    default:
        return 'e';
    }
}

TEST_F(ContentTest, RailPiecesMeetAtTheBordersOfEveryConnection) {
    const std::vector<D3DXVECTOR3> rails = Positions("rails");
    const std::vector<D3DXVECTOR3> corner = Positions("railscorner");
    const Profile straight = SideProfile(rails, "rails", 0, 'w');
    // The rails' heads stand 1.5 either side of the middle, 0.3 wide, their tops at 0.6.
    EXPECT_TRUE(straight.contains({135, 60}) && straight.contains({165, 60}));

    struct Connection {
        const char* kind;
        int degrees;
        char entered, left;
    };
    const Connection table[] = {
        {"rails", 0, 'e', 'e'},         {"rails", 0, 'w', 'w'},
        {"rails", 90, 'n', 'n'},        {"rails", 90, 's', 's'},
        {"railscorner", 0, 'n', 'w'},   {"railscorner", 0, 'e', 's'},
        {"railscorner", 90, 'e', 'n'},  {"railscorner", 90, 's', 'w'},
        {"railscorner", 180, 's', 'e'}, {"railscorner", 180, 'w', 'n'},
        {"railscorner", 270, 'n', 'e'}, {"railscorner", 270, 'w', 's'},
    };
    for (const Connection& c : table) {
        const auto& positions = std::string(c.kind) == "rails" ? rails : corner;
        // Entered heading north, the train comes in over the south side.
        EXPECT_EQ(SideProfile(positions, c.kind, c.degrees, Opposite(c.entered)), straight)
            << c.kind << " " << c.degrees << " entered " << c.entered;
        EXPECT_EQ(SideProfile(positions, c.kind, c.degrees, c.left), straight)
            << c.kind << " " << c.degrees << " left " << c.left;
    }
}

} // namespace
} // namespace content_test
