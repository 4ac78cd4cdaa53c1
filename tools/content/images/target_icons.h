// Small pictures of the targets standing on the board, as the help picture shows them. Each
// fits in a circle of the given radius around centre.
#pragma once

#include "images/canvas.h"
#include "images/shapes.h"

enum class RailPiece { CurveLeft, CurveRight, Straight };

// A white arrow on a disc: bent arrows on blue for the curves, a straight one on green.
void DrawRailTarget(Canvas& canvas, Point centre, double radius, RailPiece piece);
// A yellow lightning bolt on a red disc.
void DrawSpeedTarget(Canvas& canvas, Point centre, double radius);
// A short piece of brick wall.
void DrawWallTarget(Canvas& canvas, Point centre, double radius);
