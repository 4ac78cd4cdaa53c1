// The viewer: a position and three axes that move and turn in the camera's own frame and
// give the view matrix. Each level carries one; g_camera is the live one.
#pragma once

#include <d3dx9.h>

#include <istream>

enum CameraMode { Free = 1 };

class CCamera {
public:
    explicit CCamera(CameraMode cameraMode);
    ~CCamera();

    // Reads the twelve numbers of a "camera_data" block: position, up, look, right. When a
    // number cannot be read the stream is left failed and the later fields keep their values.
    void ReadCameraData(std::istream& input);
    // Writes camera.txt in the working directory in the layout of a "camera_data" block.
    void SaveToFile();

    void SetPosition(const D3DXVECTOR3* newPosition);
    // Makes the axes orthonormal again (look is the master) and writes the view matrix.
    void GetViewMatrix(D3DXMATRIX* view);

    void Walk(float units);
    void Strafe(float units);
    void Fly(float units);
    void Pitch(float angle);
    void Yaw(float angle);
    void Roll(float angle);

    int mode;
    D3DXVECTOR3 right;
    D3DXVECTOR3 up;
    D3DXVECTOR3 look;
    D3DXVECTOR3 position;
};
