#include "render/model_drawing.h"

#include "catalog/catalog.h"

void DrawCatalogModel(IDirect3DDevice9* device, CCatalog* catalog, const std::string& name) {
    if (device == nullptr || catalog == nullptr) {
        return;
    }
    CModel& model = catalog->GetModel(name);
    if (model.pMesh == nullptr) {
        return;
    }
    DWORD subsets = 0;
    model.pMesh->GetAttributeTable(nullptr, &subsets);
    for (DWORD i = 0; i < subsets; ++i) {
        // A subset beyond the model's material list (a mesh loaded over another under the
        // same name can have more) is drawn with the all-zero material and no texture.
        D3DMATERIAL9 unlisted = {};
        const D3DMATERIAL9& material =
            i < model.materialIds.size() ? catalog->GetMaterial(model.materialIds[i]) : unlisted;
        device->SetMaterial(&material);
        const bool textured = i < model.textureNames.size() && !model.textureNames[i].empty();
        device->SetTexture(0, textured ? catalog->GetTexture(model.textureNames[i]) : nullptr);
        model.pMesh->DrawSubset(i);
    }
}
