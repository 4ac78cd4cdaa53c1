#include "meshes/scene_models.h"

#include "meshes/palette.h"
#include "meshes/shapes.h"

namespace {

constexpr Vec3 kUp{0.0, 0.0, 1.0};

} // namespace

Mesh PictureMesh(const std::string& texture) {
    Mesh mesh;
    const int material = mesh.UseMaterial(Picture(texture));
    const double top = kPictureCentreY - kPictureSide / 2.0;
    const double bottom = kPictureCentreY + kPictureSide / 2.0;
    const double left = kPictureCentreX - kPictureSide / 2.0;
    const double right = kPictureCentreX + kPictureSide / 2.0;
    const double outerLeft = kPictureCentreX - kPictureWidth / 2.0;
    const double outerRight = kPictureCentreX + kPictureWidth / 2.0;
    // The camera's up is -y: the picture's top row lies towards -y. Texel centres of the
    // first and last columns for the side bands.
    const double firstColumn = 0.5 / 1024.0, lastColumn = 1.0 - 0.5 / 1024.0;
    const auto corner = [](double x, double y, double u, double v) {
        return Vertex{{x, y, 0.0}, kUp, u, v};
    };
    const Transform none;
    mesh.AddQuad(none, corner(left, top, 0.0, 0.0), corner(right, top, 1.0, 0.0),
                 corner(right, bottom, 1.0, 1.0), corner(left, bottom, 0.0, 1.0), kUp, material);
    mesh.AddQuad(none, corner(outerLeft, top, firstColumn, 0.0),
                 corner(left, top, firstColumn, 0.0), corner(left, bottom, firstColumn, 1.0),
                 corner(outerLeft, bottom, firstColumn, 1.0), kUp, material);
    mesh.AddQuad(none, corner(right, top, lastColumn, 0.0),
                 corner(outerRight, top, lastColumn, 0.0),
                 corner(outerRight, bottom, lastColumn, 1.0),
                 corner(right, bottom, lastColumn, 1.0), kUp, material);
    return mesh;
}

Mesh FloorMesh() {
    Mesh mesh;
    // One repeat of the ground texture per two tiles.
    const double low = -600.0, high = 1000.0, repeat = 20.0;
    const auto corner = [&](double x, double y) {
        return Vertex{{x, y, 0.0}, kUp, x / repeat, y / repeat};
    };
    mesh.AddQuad(Transform(), corner(low, low), corner(high, low), corner(high, high),
                 corner(low, high), kUp, mesh.UseMaterial(Textured("ground.png")));
    return mesh;
}

Mesh PointerMesh() {
    Mesh mesh;
    const int glow = mesh.UseMaterial(Glow({1.0, 0.35, 0.1}));
    const Transform none;
    AddRing(mesh, none, 1.4, 2.0, -9.85, 24, glow);
    AddFrustum(mesh, none, 0.0, -9.3, 0.9, -7.0, 12, glow, glow);
    AddFrustum(mesh, none, 0.3, -7.0, 0.3, -4.0, 8, glow, glow);
    return mesh;
}

Mesh BulletMesh() {
    Mesh mesh;
    AddSphere(mesh, Transform(), 1.0, 6, 12, mesh.UseMaterial(Glow({1.0, 0.8, 0.2})));
    return mesh;
}
