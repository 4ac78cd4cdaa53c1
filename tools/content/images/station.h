// The station at the end of the line: a small brick building with a tiled roof and a wooden
// platform in front of it, side on.
#pragma once

#include "images/canvas.h"

// The building stands on the ground line ground_y between x0 and x1; its platform runs along
// the track in front of it.
void DrawStation(Canvas& canvas, int x0, int x1, int ground_y);
