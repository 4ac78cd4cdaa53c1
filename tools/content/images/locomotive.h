// A small stylised steam locomotive and its tender, side on, facing right. Both are drawn in
// a local frame whose origin lies on the rail under the rear of the cab, y upwards negative:
// the engine reaches from x = -12 to x = 344 and up to y = -242, the tender from x = -164 to
// x = 2.
#pragma once

#include "images/canvas.h"
#include "images/shapes.h"

void DrawLocomotive(Canvas& canvas, const Placement& at);
void DrawTender(Canvas& canvas, const Placement& at);
// Where the smoke leaves the chimney.
Point ChimneyTop(const Placement& at);
