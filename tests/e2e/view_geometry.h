// Where the ground plane z = 0 appears in the game's window: the view the game draws with (a
// camera's view matrix and the game's projection at the client size) and the viewport's
// mapping, both ways between client positions and ground points.
#pragma once

#include <d3dx9.h>

#include <optional>

class CCamera;

struct ClientSize {
    int width;
    int height;
};

// The client area of the windowed game on both builds.
inline constexpr ClientSize kGameClientSize{1016, 741};

class GroundView {
public:
    // The camera is copied: building its view matrix makes its axes orthonormal again.
    GroundView(const CCamera& camera, ClientSize size);

    // The client position (x right, y down, in pixels; pixel (i, j) is sampled at (i, j), as
    // on the platform) where a point appears; nullopt for a point on or behind the eye plane.
    std::optional<D3DXVECTOR2> ClientPositionOf(const D3DXVECTOR3& point) const;
    // The ground point seen at a client position: the line through it cut with z = 0, as the
    // game aims; nullopt when the line runs parallel to the ground or meets it behind the eye.
    std::optional<D3DXVECTOR3> GroundAt(float x, float y) const;

    ClientSize Size() const { return size_; }

private:
    ClientSize size_;
    D3DXMATRIX viewProjection_;
    D3DXMATRIX inverse_;
};

// The view of the full-screen pictures: the title pose at the client size.
GroundView TitleView(ClientSize size);
