// The frame steps the scene and the screens share.
#pragma once

#include <d3d9.h>

// Clears target, depth and stencil to the colour (depth 1, stencil 0). A failure is
// reported (Clear's message box) and gives false: the frame is abandoned.
bool ClearFrame(D3DCOLOR colour);
// Black ambient light, depth test, lighting, Gouraud shading and specular highlights; the
// view from g_camera and the identity world; the scene begun with g_light as light 0.
void BeginLitScene();
// Ends the scene and presents the whole back buffer; a failure is reported.
void PresentFrame();
