#include "world/tile.h"

#include <cstdint>

namespace {

// x + delta with wrap-round instead of overflow.
int Step(int value, int delta) {
    return static_cast<int>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(delta));
}

} // namespace

bool IsHeading(char heading) {
    return heading == 'n' || heading == 'e' || heading == 's' || heading == 'w';
}

Tile NextTile(int x, int y, char heading) {
    switch (heading) {
    case 'n':
        return {x, Step(y, -1)};
    case 'e':
        return {Step(x, 1), y};
    case 's':
        return {x, Step(y, 1)};
    case 'w':
        return {Step(x, -1), y};
    default:
        return {x, y};
    }
}

D3DXVECTOR3 TileCentre(int x, int y) {
    // 10.0 x + 5.0 worked in double and stored as floats, so far-off tiles round only once.
    const double size = TILE_SIZE;
    return D3DXVECTOR3(static_cast<float>(size * x + size / 2.0),
                       static_cast<float>(size * y + size / 2.0), 0.0f);
}
