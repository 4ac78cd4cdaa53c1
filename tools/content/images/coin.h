// The face of a gold coin, shared by the coin textures and the coin icons of the help picture.
#pragma once

#include "images/canvas.h"
#include "images/shapes.h"

#include <string_view>

// A raised rim around a recessed field with value in bold dark gold, lit from the top left.
void DrawCoinFace(Canvas& canvas, Point centre, double radius, std::string_view value);
