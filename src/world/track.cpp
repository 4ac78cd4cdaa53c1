// Track laying: which sides a rail piece joins, following the connected pieces from the
// train's start to the end of the track, and laying a new piece beyond that end.
#include "world/level.h"

#include "world/angle.h"
#include "world/saturating.h"
#include "world/tile.h"

#include <optional>
#include <set>
#include <utility>

namespace {

// A corner piece at this angle, entered with one heading, is left with another. Each quarter
// turn moves the pair of joined sides on: south-west, west-north, north-east, east-south.
struct CornerRow {
    int degrees;
    char entered;
    char left;
};

constexpr CornerRow CORNERS[] = {
    {0, 'n', 'w'},   {0, 'e', 's'},   {90, 'e', 'n'},  {90, 's', 'w'},
    {180, 's', 'e'}, {180, 'w', 'n'}, {270, 'n', 'e'}, {270, 'w', 's'},
};

char TurnedLeft(char heading) {
    switch (heading) {
    case 'n':
        return 'w';
    case 'e':
        return 'n';
    case 's':
        return 'e';
    default:
        return 's';
    }
}

char TurnedRight(char heading) {
    switch (heading) {
    case 'n':
        return 'e';
    case 'e':
        return 's';
    case 's':
        return 'w';
    default:
        return 'n';
    }
}

CLevelObject MakePiece(const char* kind, int degrees) {
    CLevelObject piece;
    piece.kind = kind;
    piece.scale = 1.0f;
    piece.angle = DegreesToAngle(degrees);
    return piece;
}

// The piece that continues a track leaving its end with heading: a straight piece along it
// (east-west for a heading other than the four), or the corner that turns it left or right
// (none for a heading other than the four). Nothing for any other turn letter.
std::optional<CLevelObject> PieceFor(char turn, char heading) {
    if (turn == 's') {
        return MakePiece("rails", heading == 'n' || heading == 's' ? 90 : 0);
    }
    if (turn != 'l' && turn != 'r') {
        return std::nullopt;
    }
    const char wanted = turn == 'l' ? TurnedLeft(heading) : TurnedRight(heading);
    for (const CornerRow& row : CORNERS) {
        if (row.entered == heading && row.left == wanted) {
            return MakePiece("railscorner", row.degrees);
        }
    }
    return std::nullopt;
}

} // namespace

char CLevel::ExitDirection(const CLevelObject& piece, char heading) {
    const double degrees = AngleToWholeDegrees(piece.angle);
    if (piece.kind == "rails") {
        const bool northSouth = heading == 'n' || heading == 's';
        const bool eastWest = heading == 'e' || heading == 'w';
        if ((degrees == 90.0 && northSouth) || (degrees == 0.0 && eastWest)) {
            return heading;
        }
        return 'x';
    }
    if (piece.kind == "railscorner") {
        for (const CornerRow& row : CORNERS) {
            if (degrees == row.degrees && heading == row.entered) {
                return row.left;
            }
        }
    }
    return 'x';
}

void CLevel::TraceTrack(int x, int y, char heading) {
    // Dead records are passed over, so a piece laid on the tile of a target destroyed by the
    // same shot joins the track. A closed loop ends the trace: when the next tile has already
    // been reached in this trace, the track end is the last tile reached before it, with the
    // heading that leads into it. Every tile reached holds a live piece, so the trace is
    // never longer than the object list.
    std::set<std::pair<int, int>> reached;
    for (;;) {
        const Tile next = NextTile(x, y, heading);
        const CLevelObject* piece = LiveObjectAt(next.x, next.y);
        if (!piece || reached.contains({next.x, next.y})) {
            break;
        }
        const char exit = ExitDirection(*piece, heading);
        if (exit == 'x') {
            break;
        }
        reached.insert({next.x, next.y});
        x = next.x;
        y = next.y;
        heading = exit;
    }
    trackEndX = x;
    trackEndY = y;
    trackEndDir = heading;
}

int CLevel::LayPiece(char turn) {
    if (trackEndX == finishX && trackEndY == finishY && trackEndDir == finishDir) {
        return 0;
    }
    // Without one of the four headings (a level whose start heading is some other
    // character) the tile beyond the track end is the track-end tile itself.
    const Tile next = NextTile(trackEndX, trackEndY, trackEndDir);
    if (!IsOnGrid(next.x, next.y) || LiveObjectAt(next.x, next.y)) {
        gameOver = true;
        return 1;
    }
    std::optional<CLevelObject> piece = PieceFor(turn, trackEndDir);
    if (!piece) {
        // A turn has no corner to continue such a track end, and the run is lost as when
        // the tile beyond is taken; an unknown turn letter only lays nothing.
        if (turn == 'l' || turn == 'r') {
            gameOver = true;
        }
        return 1;
    }
    piece->x = next.x;
    piece->y = next.y;
    objects.push_back(*piece);
    objectCount = SaturatingAdd(objectCount, 1);
    TraceTrack(trackEndX, trackEndY, trackEndDir);
    if (trackEndX == finishX && trackEndY == finishY && trackEndDir == finishDir) {
        stepInterval = 1.0f;
    }
    return 0;
}
