#include "catalog/catalog.h"

#include "catalog/list_reading.h"
#include "data_file.h"

#include <fstream>

int CCatalog::LoadTextures(int style) {
    const std::string folder = GetStyleFolder(style);
    std::ifstream list;
    OpenDataStream(list, folder + "\\textures.txt");
    std::string file;
    while (ReadListRecord(list, file)) {
        // A texture that cannot be made is kept as null: its subsets draw untextured.
        IDirect3DTexture9* texture = nullptr;
        D3DXCreateTextureFromFileA(m_pDevice, (folder + "\\textures\\" + file).c_str(), &texture);
        IDirect3DTexture9*& slot = m_textures[file];
        if (slot != nullptr && slot != texture) {
            slot->Release(); // the same name listed again replaces the older texture
        }
        slot = texture;
    }
    return ListEndResult(list);
}
