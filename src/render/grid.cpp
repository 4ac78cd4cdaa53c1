#include "render/grid.h"

#include "shell/game_state.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

struct GridVertex {
    float x, y, z;
};
constexpr DWORD kGridFvf = D3DFVF_XYZ;

// Position of line `index` of `count` lines spread over [0, extent], worked in single
// precision; a single line stands at 0.
float LinePosition(int index, int count, float extent) {
    const float step = count > 1 ? extent / static_cast<float>(count - 1) : 0.0f;
    return static_cast<float>(index) * step;
}

} // namespace

CGrid::CGrid(IDirect3DDevice9* device, float yExtent, float xExtent, float z, int linesAlongY,
             int linesAlongX)
    : m_z(z), m_yExtent(yExtent), m_xExtent(xExtent), m_linesAlongY(std::max(linesAlongY, 1)),
      m_linesAlongX(std::max(linesAlongX, 1)), m_pDevice(device) {
    g_gridMaterial = {};
    const D3DCOLORVALUE black = {0.0f, 0.0f, 0.0f, 1.0f};
    g_gridMaterial.Diffuse = g_gridMaterial.Ambient = black;
    g_gridMaterial.Specular = g_gridMaterial.Emissive = black;
    g_gridMaterial.Power = 1.0f;
    Build();
}

CGrid::~CGrid() {
    if (m_pVertexBuffer == nullptr) {
        return;
    }
    if (g_pGridVB == m_pVertexBuffer) {
        g_pGridVB = nullptr;
    }
    m_pVertexBuffer->Release();
}

int CGrid::Build() {
    if (m_pDevice == nullptr || m_linesAlongY > kMaxLines || m_linesAlongX > kMaxLines) {
        return 1;
    }
    std::vector<GridVertex> vertices;
    vertices.reserve(2 * static_cast<size_t>(m_linesAlongY + m_linesAlongX));
    for (int i = 0; i < m_linesAlongY; ++i) {
        const float x = LinePosition(i, m_linesAlongY, m_xExtent);
        vertices.push_back({x, 0.0f, m_z});
        vertices.push_back({x, m_yExtent, m_z});
    }
    for (int j = 0; j < m_linesAlongX; ++j) {
        const float y = LinePosition(j, m_linesAlongX, m_yExtent);
        vertices.push_back({0.0f, y, m_z});
        vertices.push_back({m_xExtent, y, m_z});
    }
    const UINT bytes = static_cast<UINT>(vertices.size() * sizeof(GridVertex));

    IDirect3DVertexBuffer9* buffer = nullptr;
    if (m_pDevice->CreateVertexBuffer(bytes, 0, kGridFvf, D3DPOOL_MANAGED, &buffer, nullptr) !=
        D3D_OK) {
        return 1;
    }
    void* data = nullptr;
    if (buffer->Lock(0, 0, &data, 0) != D3D_OK) {
        buffer->Release();
        return 1;
    }
    std::memcpy(data, vertices.data(), bytes);
    buffer->Unlock();
    if (m_pVertexBuffer != nullptr) {
        m_pVertexBuffer->Release();
    }
    m_pVertexBuffer = g_pGridVB = buffer;
    return 0;
}

void CGrid::Render() {
    if (m_pVertexBuffer == nullptr) {
        return;
    }
    m_pDevice->SetMaterial(&g_gridMaterial);
    if (m_pDevice->SetStreamSource(0, m_pVertexBuffer, 0, sizeof(GridVertex)) != D3D_OK ||
        m_pDevice->SetFVF(kGridFvf) != D3D_OK) {
        return;
    }
    m_pDevice->DrawPrimitive(D3DPT_LINELIST, 0, m_linesAlongY + m_linesAlongX);
}
