#include "bench_scene.h"

#include <cmath>

namespace bench {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kRings = 10; // around the torus's axis
constexpr int kSides = 10; // around its tube: kRings x kSides x 2 = 200 triangles
constexpr float kRingRadius = 0.45f;
constexpr float kTubeRadius = 0.2f;
constexpr int kColumns = 10;
constexpr int kRows = kMeshCount / kColumns;
constexpr float kSpacing = 1.3f;
constexpr float kGridY = -0.7f;

D3DXVECTOR3 PositionOf(const MeshVertex& v) {
    return {v.x, v.y, v.z};
}

void MakeTorus(Scene& scene) {
    for (int ring = 0; ring <= kRings; ++ring) {
        float a = 2.0f * kPi * float(ring) / kRings;
        for (int side = 0; side <= kSides; ++side) {
            float b = 2.0f * kPi * float(side) / kSides;
            float nx = std::cos(b) * std::cos(a), ny = std::sin(b), nz = std::cos(b) * std::sin(a);
            float reach = kRingRadius + kTubeRadius * std::cos(b);
            scene.meshVertices.push_back({reach * std::cos(a), kTubeRadius * ny,
                                          reach * std::sin(a), nx, ny, nz,
                                          2.0f * float(ring) / kRings, float(side) / kSides});
        }
    }
    auto index = [](int ring, int side) { return std::uint16_t(ring * (kSides + 1) + side); };
    auto addTriangle = [&scene](std::uint16_t i0, std::uint16_t i1, std::uint16_t i2) {
        // A front face's (v1 - v0) x (v2 - v0) points the way its surface faces.
        const MeshVertex& v0 = scene.meshVertices[i0];
        D3DXVECTOR3 e1 = PositionOf(scene.meshVertices[i1]) - PositionOf(v0);
        D3DXVECTOR3 e2 = PositionOf(scene.meshVertices[i2]) - PositionOf(v0);
        D3DXVECTOR3 facing(e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z,
                           e1.x * e2.y - e1.y * e2.x);
        bool outwards = facing.x * v0.nx + facing.y * v0.ny + facing.z * v0.nz > 0.0f;
        scene.meshIndices.insert(scene.meshIndices.end(),
                                 {i0, outwards ? i1 : i2, outwards ? i2 : i1});
    };
    for (int ring = 0; ring < kRings; ++ring) {
        for (int side = 0; side < kSides; ++side) {
            addTriangle(index(ring, side), index(ring + 1, side), index(ring + 1, side + 1));
            addTriangle(index(ring, side), index(ring + 1, side + 1), index(ring, side + 1));
        }
    }
}

void MakeGrid(Scene& scene) {
    const int lines = kGridLineCount / 2; // each way
    const float half = kSpacing * float(lines - 1) / 2.0f;
    for (int i = 0; i < lines; ++i) {
        float at = -half + kSpacing * float(i);
        scene.gridVertices.push_back({at, kGridY, -half});
        scene.gridVertices.push_back({at, kGridY, half});
        scene.gridVertices.push_back({-half, kGridY, at});
        scene.gridVertices.push_back({half, kGridY, at});
    }
}

void PlaceMeshes(Scene& scene) {
    for (int i = 0; i < kMeshCount; ++i) {
        D3DXMATRIX spinX, spinY, place;
        D3DXMatrixRotationX(&spinX, 0.9f + 0.3f * float(i));
        D3DXMatrixRotationY(&spinY, 0.5f * float(i));
        D3DXMatrixTranslation(&place, kSpacing * (float(i % kColumns) - (kColumns - 1) / 2.0f),
                              0.0f, kSpacing * (float(i / kColumns) - (kRows - 1) / 2.0f));
        scene.worlds[i] = spinX * spinY * place;
    }
}

D3DCOLORVALUE Rgba(float r, float g, float b, float a) {
    return {r, g, b, a};
}

} // namespace

Scene MakeScene(int backBufferWidth, int backBufferHeight) {
    Scene scene{};
    MakeTorus(scene);
    MakeGrid(scene);
    PlaceMeshes(scene);

    D3DXVECTOR3 eye(0.0f, 7.0f, -10.0f), at(0.0f, -0.5f, 0.5f), up(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&scene.view, &eye, &at, &up);
    float aspect = float(backBufferWidth) / float(backBufferHeight > 0 ? backBufferHeight : 1);
    D3DXMatrixPerspectiveFovLH(&scene.projection, kPi / 4.0f, aspect, 0.5f, 100.0f);

    scene.light.Type = D3DLIGHT_DIRECTIONAL;
    scene.light.Diffuse = Rgba(1.0f, 1.0f, 0.95f, 1.0f);
    scene.light.Ambient = Rgba(0.15f, 0.15f, 0.15f, 1.0f);
    scene.light.Direction = {0.4f, -1.0f, 0.6f};
    scene.meshMaterial.Diffuse = Rgba(0.9f, 0.8f, 0.7f, 1.0f);
    scene.meshMaterial.Ambient = Rgba(0.9f, 0.8f, 0.7f, 1.0f);
    scene.lineMaterial.Diffuse.a = 1.0f;

    scene.texels.resize(std::size_t(kTextureSize) * kTextureSize);
    for (int y = 0; y < kTextureSize; ++y) {
        for (int x = 0; x < kTextureSize; ++x) {
            bool light = ((x / 8) + (y / 8)) % 2 == 0;
            scene.texels[std::size_t(y) * kTextureSize + x] = light ? 0xFFF0E8D0u : 0xFF806040u;
        }
    }
    scene.text = {{{"Railwright render benchmark", 12, 10},
                   {"60 lit, textured meshes of 200 triangles", 12, 38},
                   {"22 grid lines", 12, 66},
                   {"4 lines of text", 12, 94}}};
    return scene;
}

std::array<float, 4> ColourChannels(D3DCOLOR colour) {
    return {float((colour >> 16) & 0xFF) / 255.0f, float((colour >> 8) & 0xFF) / 255.0f,
            float(colour & 0xFF) / 255.0f, float(colour >> 24) / 255.0f};
}

} // namespace bench
