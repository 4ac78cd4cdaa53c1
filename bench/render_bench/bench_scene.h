// The benchmark's scene, shared by every way of drawing it: one procedural torus of 200
// triangles drawn 60 times, a grid of 22 lines, a checker texture, one directional light and
// four lines of text. Everything is worked out once, before timing starts.
#pragma once

#include <d3d9.h>
#include <d3dx9math.h>

#include <array>
#include <cstdint>
#include <vector>

namespace bench {

// The window's outer size, frame and caption included, as the game asks for it.
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;

constexpr int kMeshCount = 60;
constexpr int kGridLineCount = 22;
constexpr int kTextLineCount = 4;
constexpr int kTextureSize = 64;
constexpr D3DCOLOR kClearColour = 0xFF40608Au;
constexpr D3DCOLOR kTextColour = 0xFFFFFFFFu;
constexpr D3DCOLOR kAmbient = 0xFF303030u; // D3DRS_AMBIENT
constexpr int kFontHeight = 25;
constexpr int kFontWidth = 12;
constexpr int kFontWeight = 400; // FW_NORMAL
constexpr const char* kFontFace = "Times New Roman";

struct MeshVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};
constexpr DWORD kMeshFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;

struct LineVertex {
    float x, y, z;
};
constexpr DWORD kLineFvf = D3DFVF_XYZ;

struct TextLine {
    const char* text;
    int left, top;
};

struct Scene {
    std::vector<MeshVertex> meshVertices;
    std::vector<std::uint16_t> meshIndices; // a triangle list, clockwise front faces
    std::vector<LineVertex> gridVertices;   // a line list
    std::array<D3DXMATRIX, kMeshCount> worlds;
    D3DXMATRIX view, projection;
    D3DLIGHT9 light;
    D3DMATERIAL9 meshMaterial;
    D3DMATERIAL9 lineMaterial;    // all black: lit lines without normals come out black
    std::vector<D3DCOLOR> texels; // kTextureSize x kTextureSize, rows top down
    std::array<TextLine, kTextLineCount> text;
};

// The scene for a back buffer of the given size (the projection's aspect follows it).
Scene MakeScene(int backBufferWidth, int backBufferHeight);

// A D3DCOLOR's channels as 0..1 floats: red, green, blue, alpha.
std::array<float, 4> ColourChannels(D3DCOLOR colour);

} // namespace bench
