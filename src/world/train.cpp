// The train: it stands on a tile and, once per step interval, jumps one whole tile along the
// track. Leaving the grid or running onto anything but a rail piece loses the run; stepping
// onto the finish tile wins it.
#include "world/level.h"

#include "world/tile.h"

void CLevel::UpdateTrain(float dt) {
    stepTimer += dt;
    if (stepTimer < stepInterval) {
        return;
    }
    // Time beyond the interval is dropped: at most one tile per frame.
    stepTimer = 0.0f;
    const Tile next = NextTile(trainX, trainY, trainDir);
    if (!IsOnGrid(next.x, next.y)) {
        gameOver = true;
    }
    // Dead records are gone by the time the train moves; the live lookup keeps that true
    // when the train is updated on its own.
    const CLevelObject* piece = LiveObjectAt(next.x, next.y);
    if (!piece) {
        gameOver = true;
        return;
    }
    if (piece->kind != "rails" && piece->kind != "railscorner") {
        gameOver = true;
        return;
    }
    // A piece entered from a side it does not join answers 'x': the train stays on it.
    trainDir = ExitDirection(*piece, trainDir);
    trainX = piece->x;
    trainY = piece->y;
    if (trainX == finishX && trainY == finishY) {
        complete = true;
    }
}
