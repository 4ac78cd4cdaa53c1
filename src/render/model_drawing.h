// Draws one catalog model by name, subset by subset, with the device's current transforms:
// the way every model of the game is drawn (screens, scene, level objects, train).
#pragma once

#include <d3d9.h>

#include <string>

class CCatalog;

// Each subset gets its material and its texture (none for an empty texture name). A name the
// catalog does not hold, or a model without mesh, draws nothing.
void DrawCatalogModel(IDirect3DDevice9* device, CCatalog* catalog, const std::string& name);
