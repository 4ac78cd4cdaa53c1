#include "render/camera.h"

#include "data_file.h"

#include <fstream>

CCamera::CCamera(CameraMode cameraMode)
    : mode(cameraMode), right(1.0f, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f), look(0.0f, 0.0f, 1.0f),
      position(0.0f, 0.0f, 0.0f) {}

CCamera::~CCamera() {}

void CCamera::ReadCameraData(std::istream& input) {
    // Once one number fails the stream stays failed and the later reads leave their fields.
    input >> position.x >> position.y >> position.z;
    input >> up.x >> up.y >> up.z;
    input >> look.x >> look.y >> look.z;
    input >> right.x >> right.y >> right.z;
}

namespace {

void WriteLine(std::ostream& output, const D3DXVECTOR3& v) {
    output << static_cast<double>(v.x) << ' ' << static_cast<double>(v.y) << ' '
           << static_cast<double>(v.z) << '\n';
}

} // namespace

void CCamera::SaveToFile() {
    std::ofstream output;
    OpenDataStream(output, "camera.txt");
    if (!output.is_open()) {
        return;
    }
    output.precision(10);
    WriteLine(output, position);
    WriteLine(output, up);
    WriteLine(output, look);
    WriteLine(output, right);
}

void CCamera::SetPosition(const D3DXVECTOR3* newPosition) {
    position = *newPosition;
}

void CCamera::GetViewMatrix(D3DXMATRIX* view) {
    // Look is the master axis: up and right are rebuilt from it.
    D3DXVec3Normalize(&look, &look);
    D3DXVec3Cross(&up, &look, &right);
    D3DXVec3Normalize(&up, &up);
    D3DXVec3Cross(&right, &up, &look);
    D3DXVec3Normalize(&right, &right);

    const float x = -D3DXVec3Dot(&right, &position);
    const float y = -D3DXVec3Dot(&up, &position);
    const float z = -D3DXVec3Dot(&look, &position);

    *view = D3DXMATRIX(right.x, up.x, look.x, 0.0f, //
                       right.y, up.y, look.y, 0.0f, //
                       right.z, up.z, look.z, 0.0f, //
                       x, y, z, 1.0f);
}

void CCamera::Walk(float units) {
    position += look * units;
}

void CCamera::Strafe(float units) {
    position += right * units;
}

void CCamera::Fly(float units) {
    position += up * units;
}

void CCamera::Pitch(float angle) {
    D3DXMATRIX turn;
    D3DXMatrixRotationAxis(&turn, &right, angle);
    D3DXVec3TransformCoord(&up, &up, &turn);
    D3DXVec3TransformCoord(&look, &look, &turn);
}

void CCamera::Yaw(float angle) {
    D3DXMATRIX turn;
    D3DXMatrixRotationAxis(&turn, &up, angle);
    D3DXVec3TransformCoord(&right, &right, &turn);
    D3DXVec3TransformCoord(&look, &look, &turn);
}

void CCamera::Roll(float angle) {
    D3DXMATRIX turn;
    D3DXMatrixRotationAxis(&turn, &look, angle);
    D3DXVec3TransformCoord(&right, &right, &turn);
    D3DXVec3TransformCoord(&up, &up, &turn);
}
