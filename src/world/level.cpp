#include "world/level.h"

#include "render/camera.h"

CLevel::CLevel(IDirect3DDevice9* device, CCatalog* catalog, std::string path)
    : m_pDevice(device), m_pCatalog(catalog) {
    ReadLevelFile(path);
}

CLevel::~CLevel() {
    delete camera;
}

CLevelObject CLevel::ObjectAt(int x, int y) const {
    for (const CLevelObject& object : objects) {
        if (object.x == x && object.y == y) {
            return object;
        }
    }
    CLevelObject empty;
    empty.dead = true;
    return empty;
}

const CLevelObject* CLevel::LiveObjectAt(int x, int y) const {
    for (const CLevelObject& object : objects) {
        if (object.x == x && object.y == y && !object.dead) {
            return &object;
        }
    }
    return nullptr;
}

bool CLevel::IsOnGrid(int x, int y) const {
    return x >= 0 && x < width && y >= 0 && y < height;
}
