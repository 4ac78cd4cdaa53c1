#include "world/angle.h"
#include "world/bullet.h"
#include "world/level.h"
#include "world/tile.h"

#include "render/model_drawing.h"

namespace {

// The train model's origin stands this far above the ground.
constexpr float TRAIN_HEIGHT = 0.6f;

// The turn of the train's model for its heading; no heading leaves it unturned.
float TrainAngle(char heading) {
    switch (heading) {
    case 'e':
        return DegreesToAngle(90);
    case 's':
        return DegreesToAngle(180);
    case 'w':
        return DegreesToAngle(270);
    default:
        return 0.0f;
    }
}

// Stage 0 modulates the texture by the lit colour; alpha is not used.
void SetObjectTextureStages(IDirect3DDevice9* device) {
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
}

} // namespace

D3DXMATRIX CLevelObject::GetWorldMatrix() const {
    D3DXMATRIX scaling;
    D3DXMATRIX rotation;
    D3DXMATRIX translation;
    const D3DXVECTOR3 centre = TileCentre(x, y);
    D3DXMatrixScaling(&scaling, scale, scale, scale);
    D3DXMatrixRotationZ(&rotation, angle);
    D3DXMatrixTranslation(&translation, centre.x, centre.y, 0.0f);
    return scaling * (rotation * translation);
}

D3DXMATRIX CLevel::GetTrainMatrix() const {
    D3DXMATRIX rotation;
    D3DXMATRIX translation;
    const D3DXVECTOR3 centre = TileCentre(trainX, trainY);
    D3DXMatrixRotationZ(&rotation, TrainAngle(trainDir));
    D3DXMatrixTranslation(&translation, centre.x, centre.y, TRAIN_HEIGHT);
    return rotation * translation;
}

void CLevel::DrawObjectModel(const char* name) {
    DrawCatalogModel(m_pDevice, m_pCatalog, name);
}

void CLevel::Render() {
    if (m_pDevice == nullptr) {
        return;
    }
    for (const CLevelObject& object : objects) {
        if (object.kind == "blocked") {
            continue;
        }
        const D3DXMATRIX world = object.GetWorldMatrix();
        m_pDevice->SetTransform(D3DTS_WORLD, &world);
        SetObjectTextureStages(m_pDevice);
        DrawObjectModel(object.kind.c_str());
    }
    const D3DXMATRIX train = GetTrainMatrix();
    m_pDevice->SetTransform(D3DTS_WORLD, &train);
    DrawObjectModel("train");
}

void CBullet::GetWorldMatrix(D3DXMATRIX* world) const {
    D3DXMatrixTranslation(world, position.x, position.y, position.z);
}
