// The materials of the style. The scene's one light shines straight down with a white
// diffuse part and a half-grey ambient part, so a face looking up shows 1.5 times its diffuse
// colour and a wall only 0.5 times: each paint adds a little emissive colour so that walls
// keep their colour, and keeps its diffuse part low enough that roofs do not wash out.
#pragma once

#include "meshes/mesh.h"

#include <string>

// A plain colour; `shine` adds a small white highlight (metal, glass).
Material Paint(const Colour& colour, double shine = 0.0);
// A texture, lit like a paint of white.
Material Textured(const std::string& texture);
// A colour that does not depend on the light: lamps, the pointer, the shots.
Material Glow(const Colour& colour);
// A texture at full brightness whatever the light: the full-screen pictures.
Material Picture(const std::string& texture);
