// All of the game's content by name: models (meshes with their materials, texture names and
// bounding spheres), textures, materials, sounds, the styles and the ordered level list.
// Built once at start-up from the list files of the working directory and style 0.
#pragma once

#include <d3dx9.h>

#include <map>
#include <string>
#include <vector>

class CSound;
class CSoundPlayer;

struct CModel {
    ID3DXMesh* pMesh = nullptr;
    std::vector<int> materialIds;
    std::vector<std::string> textureNames;
    D3DXVECTOR3 center = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    float radius = 0.0f;
};

class CCatalog {
public:
    // Stores the device and the sound player, then loads the styles, style 0's models,
    // sounds and textures, and the level list.
    CCatalog(IDirect3DDevice9* device, CSoundPlayer* soundManager);
    // Releases everything the catalog made.
    ~CCatalog();
    CCatalog(const CCatalog&) = delete;
    CCatalog& operator=(const CCatalog&) = delete;

    // Releases the meshes and textures and deletes the sounds, leaving their entries empty.
    void ReleaseContent();

    int LoadStyles();
    int LoadStyle();
    int LoadLevelList();
    // 0 when the list was read to its end, 1 when it stopped at a failure.
    int LoadModels(int style);
    int LoadSounds(int style);
    int LoadTextures(int style);

    // Lookups. An absent key adds an empty entry under that key and gives it: a model
    // without mesh, an all-zero material, a null texture or sound, an empty folder name.
    CModel& GetModel(const std::string& name);
    D3DMATERIAL9& GetMaterial(int id);
    IDirect3DTexture9* GetTexture(const std::string& name);
    CSound* GetSound(const std::string& name);
    std::string& GetStyleFolder(int style);
    int GetLevelCount() const;
    // Level file name of index 0 to GetLevelCount() - 1.
    const std::string& GetLevelFile(int index) const;

    std::map<std::string, CModel> m_models;
    std::map<std::string, IDirect3DTexture9*> m_textures;
    std::map<int, D3DMATERIAL9> m_materials;
    std::map<std::string, CSound*> m_sounds;
    std::map<int, std::string> m_styles;
    std::vector<std::string> m_levels;
    int m_nextMaterialId = 0;
    CSoundPlayer* m_pSoundManager;
    IDirect3DDevice9* m_pDevice;
};
