#include "meshes/target_models.h"

#include "meshes/palette.h"
#include "meshes/shapes.h"

#include <vector>

namespace {

constexpr int kRound = 24;
constexpr double kDiscRadius = 2.6;
constexpr double kDiscTop = 0.5;
constexpr double kSymbolTop = 0.8;

const Colour kWhite{0.95, 0.95, 0.95};

// Symbols are drawn with north up: (x, north) becomes (x, -north) in model space.
std::vector<Point2> NorthUp(std::vector<Point2> outline) {
    for (Point2& p : outline) {
        p.y = -p.y;
    }
    return outline;
}

std::vector<Point2> Mirrored(std::vector<Point2> outline) {
    for (Point2& p : outline) {
        p.x = -p.x;
    }
    return outline;
}

// The bent arrow: up from the bottom, then right, ending in a head pointing right.
const std::vector<Point2> kRightTurn = {{-1.6, -1.8}, {-0.6, -1.8}, {-0.6, 0.4},
                                        {0.6, 0.4},   {0.6, -0.2},  {1.9, 0.9},
                                        {0.6, 2.0},   {0.6, 1.4},   {-1.6, 1.4}};
const std::vector<Point2> kStraight = {{-0.5, -2.0}, {0.5, -2.0}, {0.5, 0.6}, {1.4, 0.6},
                                       {0.0, 2.2},   {-1.4, 0.6}, {-0.5, 0.6}};
const std::vector<Point2> kBolt = {{-0.2, 2.2},  {1.2, 2.2},   {0.3, 0.5},  {1.3, 0.5},
                                   {-0.9, -2.3}, {-0.1, -0.2}, {-1.1, -0.2}};

// A disc of one colour carrying a raised symbol of another.
Mesh SymbolOnDisc(const Colour& disc, const Colour& symbol, const std::vector<Point2>& outline) {
    Mesh mesh;
    const int top = mesh.UseMaterial(Paint(disc));
    const int side = mesh.UseMaterial(Paint({disc.r * 0.7, disc.g * 0.7, disc.b * 0.7}));
    const int mark = mesh.UseMaterial(Paint(symbol));
    AddFrustum(mesh, Transform(), kDiscRadius, 0.0, kDiscRadius - 0.2, kDiscTop, kRound, side, top);
    AddPrism(mesh, Transform(), NorthUp(outline), kDiscTop, kSymbolTop, mark, mark);
    return mesh;
}

// A gold coin lying on a low stand, its face textured with its value.
Mesh Coin(const char* face, double radius, double thickness) {
    Mesh mesh;
    const int stand = mesh.UseMaterial(Paint({0.2, 0.35, 0.25}));
    const int gold = mesh.UseMaterial(Paint({0.95, 0.75, 0.25}, 0.6));
    const int textured = mesh.UseMaterial(Textured(face));
    const double standTop = 0.3;
    AddFrustum(mesh, Transform(), kDiscRadius, 0.0, kDiscRadius, standTop, kRound, stand, stand);
    AddFrustum(mesh, Transform(), radius, standTop, radius, standTop + thickness, kRound, gold,
               gold);
    AddTexturedDisc(mesh, Transform(), radius, standTop + thickness + 0.02, kRound, textured);
    return mesh;
}

} // namespace

Mesh RightTurnMesh() {
    return SymbolOnDisc({0.15, 0.32, 0.8}, kWhite, kRightTurn);
}

Mesh LeftTurnMesh() {
    return SymbolOnDisc({0.15, 0.32, 0.8}, kWhite, Mirrored(kRightTurn));
}

Mesh StraightMesh() {
    return SymbolOnDisc({0.15, 0.6, 0.25}, kWhite, kStraight);
}

Mesh Coin50Mesh() {
    return Coin("coin50.png", 2.1, 0.35);
}

Mesh Coin100Mesh() {
    return Coin("coin100.png", 2.4, 0.6);
}

Mesh SpeedMesh() {
    return SymbolOnDisc({0.8, 0.15, 0.12}, {1.0, 0.9, 0.2}, kBolt);
}

Mesh BlockMesh() {
    Mesh mesh;
    const int brick = mesh.UseMaterial(Textured("brick.png"));
    const int stone = mesh.UseMaterial(Paint({0.6, 0.6, 0.6}));
    AddBox(mesh, Transform(), {-3.0, -0.7, 0.0}, {3.0, 0.7, 3.2}, brick, 3.0);
    AddBox(mesh, Transform(), {-3.15, -0.85, 3.2}, {3.15, 0.85, 3.5}, stone);
    return mesh;
}
