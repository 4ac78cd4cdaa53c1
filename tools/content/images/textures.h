// The tileable textures of the board's models (their left and right, top and bottom edges
// meet without a seam) and the faces of the coins.
#pragma once

#include "images/canvas.h"

#include <string_view>

Canvas PaintGroundTexture();
Canvas PaintGravelTexture();
Canvas PaintWoodTexture();
Canvas PaintBrickTexture();
Canvas PaintRoofTexture();
// A gold coin filling the square, the value upright in its middle.
Canvas PaintCoinTexture(std::string_view value);
