#include "catalog/catalog.h"

#include "catalog/list_reading.h"
#include "sound/sound.h"
#include "data_file.h"

#include <fstream>

CCatalog::CCatalog(IDirect3DDevice9* device, CSoundPlayer* soundManager)
    : m_pSoundManager(soundManager), m_pDevice(device) {
    LoadStyles();
    LoadStyle();
    LoadLevelList();
}

CCatalog::~CCatalog() {
    ReleaseContent();
}

void CCatalog::ReleaseContent() {
    for (auto& [name, model] : m_models) {
        if (model.pMesh != nullptr) {
            model.pMesh->Release();
            model.pMesh = nullptr;
        }
    }
    for (auto& [name, texture] : m_textures) {
        if (texture != nullptr) {
            texture->Release();
            texture = nullptr;
        }
    }
    for (auto& [name, sound] : m_sounds) {
        delete sound;
        sound = nullptr;
    }
}

int CCatalog::LoadStyles() {
    std::ifstream list;
    OpenDataStream(list, "styles.txt");
    int style = 0;
    std::string folder;
    while (ReadListRecord(list, style, folder)) {
        m_styles[style] = folder;
    }
    return 0;
}

int CCatalog::LoadStyle() {
    // Only style 0 is loaded; the results do not matter, each list keeps what it read.
    LoadModels(0);
    LoadSounds(0);
    LoadTextures(0);
    return 0;
}

int CCatalog::LoadLevelList() {
    std::ifstream list;
    OpenDataStream(list, "levels.txt");
    std::string file;
    while (ReadListRecord(list, file)) {
        m_levels.push_back(file);
    }
    return 0;
}

CModel& CCatalog::GetModel(const std::string& name) {
    return m_models[name];
}

D3DMATERIAL9& CCatalog::GetMaterial(int id) {
    return m_materials[id];
}

IDirect3DTexture9* CCatalog::GetTexture(const std::string& name) {
    return m_textures[name];
}

CSound* CCatalog::GetSound(const std::string& name) {
    return m_sounds[name];
}

std::string& CCatalog::GetStyleFolder(int style) {
    return m_styles[style];
}

int CCatalog::GetLevelCount() const {
    return static_cast<int>(m_levels.size());
}

const std::string& CCatalog::GetLevelFile(int index) const {
    // An index outside the list names no file rather than reading past the list.
    static const std::string noFile;
    if (index < 0 || index >= GetLevelCount()) {
        return noFile;
    }
    return m_levels[static_cast<std::size_t>(index)];
}
