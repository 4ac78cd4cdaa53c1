// PNG encoding of a canvas.
#pragma once

#include "images/canvas.h"

#include <string>

// The canvas as the bytes of a 24-bit RGB PNG file.
std::string EncodePng(const Canvas& canvas);
