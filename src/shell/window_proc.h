// The game window's procedure: closing, painting, and the mouse, which aims at the ground
// and fires shots while a level is in play and not paused.
#pragma once

#include <d3dx9.h>
#include <windows.h>

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The view-space ray through client pixel (x, y): from the eye, through the pixel on the
// plane at distance 1, from the device's viewport and projection.
void ComputePickRay(int x, int y, D3DXVECTOR3* origin, D3DXVECTOR3* direction);
// Carries a ray by the matrix in place; the direction comes out unit length.
void TransformRay(D3DXVECTOR3* origin, D3DXVECTOR3* direction, const D3DXMATRIX* m);
