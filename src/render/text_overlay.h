// The texts drawn over the scene with the game's one font: the pointer readout, the pause
// notice, the score and the frame rate. Black, left-aligned, never clipped.
#pragma once

#include <d3dx9.h>

#include <string>

// The pointer readout: "label: \n" then the vector's coordinates with two significant
// digits, separated by spaces, and a line end.
std::string LabelledVectorText(const char* label, const D3DXVECTOR3& vector);
// Draws text with its top-left corner at the rectangle's; right and bottom are carried as
// given. Nothing is drawn without a font.
void DrawOverlayText(const std::string& text, const RECT& rect);

void DrawLabelledVector(const char* label, const D3DXVECTOR3& vector);
// "Score: " and the current level's score.
void DrawScore();
