// Tiles and headings: a tile is TILE_SIZE units square on the ground plane, addressed by
// column x and row y; a heading is one of the letters 'n', 'e', 's', 'w' ('x' and any other
// character mean no way on).
#pragma once

#include <d3dx9.h>

constexpr float TILE_SIZE = 10.0f;

struct Tile {
    int x;
    int y;
    bool operator==(const Tile&) const = default;
};

// True for the four headings of travel.
bool IsHeading(char heading);

// The neighbour of (x, y) in that heading; the tile itself for 'x' or any other character.
// The grid plays no part. A step past the end of the 32-bit range wraps round to the other
// end, which always lies outside the grid, so nothing overflows on absurd coordinates.
Tile NextTile(int x, int y, char heading);

// Centre of tile (x, y) on the ground: (10x + 5, 10y + 5, 0).
D3DXVECTOR3 TileCentre(int x, int y);
