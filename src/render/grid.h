// Straight black lines over the board at one height, one on every tile border, drawn as a
// line list. Device set-up makes the first grid; every level load makes one to its size.
#pragma once

#include <d3d9.h>

class CGrid {
public:
    // Lines along y run from y = 0 to yExtent and are spread evenly from x = 0 to xExtent;
    // lines along x the other way round. A count of 1 or less gives one line at 0.
    CGrid(IDirect3DDevice9* device, float yExtent, float xExtent, float z, int linesAlongY,
          int linesAlongX);
    ~CGrid();
    CGrid(const CGrid&) = delete;
    CGrid& operator=(const CGrid&) = delete;

    // Makes and fills the vertex buffer: 0 on success, 1 when it cannot be made, locked or
    // would be absurdly large.
    int Build();
    // Draws the lines with the current world transform; draws nothing without a buffer.
    void Render();

    // Most lines one direction can have: boards beyond this many tiles are far past
    // anything playable, and the grid's memory stays bounded whatever a level file says.
    static constexpr int kMaxLines = 10001;

    float m_z;
    float m_yExtent;
    float m_xExtent;
    int m_linesAlongY;
    int m_linesAlongX;
    IDirect3DDevice9* m_pDevice;
    IDirect3DVertexBuffer9* m_pVertexBuffer = nullptr;
};
