#include "view_geometry.h"

#include "render/camera.h"
#include "render/device_setup.h"
#include "shell/screens.h"

GroundView::GroundView(const CCamera& camera, ClientSize size) : size_(size) {
    CCamera copy = camera;
    D3DXMATRIX view;
    copy.GetViewMatrix(&view);
    D3DXMATRIX projection;
    GameProjection(&projection, static_cast<float>(size.width) / static_cast<float>(size.height));
    D3DXMatrixMultiply(&viewProjection_, &view, &projection);
    D3DXMatrixInverse(&inverse_, nullptr, &viewProjection_);
}

std::optional<D3DXVECTOR2> GroundView::ClientPositionOf(const D3DXVECTOR3& point) const {
    const D3DXMATRIX& m = viewProjection_;
    const float w = point.x * m._14 + point.y * m._24 + point.z * m._34 + m._44;
    if (!(w > 0.0f)) {
        return std::nullopt;
    }
    D3DXVECTOR3 clip;
    D3DXVec3TransformCoord(&clip, &point, &viewProjection_);
    return D3DXVECTOR2((clip.x + 1.0f) * 0.5f * static_cast<float>(size_.width),
                       (1.0f - clip.y) * 0.5f * static_cast<float>(size_.height));
}

std::optional<D3DXVECTOR3> GroundView::GroundAt(float x, float y) const {
    const float clipX = 2.0f * x / static_cast<float>(size_.width) - 1.0f;
    const float clipY = 1.0f - 2.0f * y / static_cast<float>(size_.height);
    // The line from the near plane to the far plane through the position.
    const D3DXVECTOR3 nearClip(clipX, clipY, 0.0f);
    const D3DXVECTOR3 farClip(clipX, clipY, 1.0f);
    D3DXVECTOR3 nearPoint, farPoint;
    D3DXVec3TransformCoord(&nearPoint, &nearClip, &inverse_);
    D3DXVec3TransformCoord(&farPoint, &farClip, &inverse_);
    const D3DXPLANE ground(0.0f, 0.0f, 1.0f, 0.0f);
    D3DXVECTOR3 cut;
    if (D3DXPlaneIntersectLine(&cut, &ground, &nearPoint, &farPoint) == nullptr) {
        return std::nullopt;
    }
    const D3DXVECTOR3 along = farPoint - nearPoint;
    const D3DXVECTOR3 toCut = cut - nearPoint;
    if (D3DXVec3Dot(&along, &toCut) < 0.0f) {
        return std::nullopt;
    }
    return cut;
}

GroundView TitleView(ClientSize size) {
    CCamera camera(Free);
    SetTitlePose(camera);
    return GroundView(camera, size);
}
