// What the game's rules make of an object's kind where shots are concerned.
#pragma once

#include "world/level.h"

#include <string>
#include <vector>

// The turn letter LayPiece is called with when a target of this kind is hit: 'r', 'l' or 's';
// 0 for any kind that lays nothing.
char TurnLetterOf(const std::string& kind);
// A hit takes the object away: the turn, score and speed targets.
bool IsTakenByHit(const std::string& kind);
// Shots stop at it: every target, and the invisible "blocked" tiles around stations.
bool StopsShots(const std::string& kind);
// The catalog model whose bounding sphere shots meet on an object of this kind that stops
// shots: the kind's own model, the straight-piece target's for "blocked".
std::string SphereModelOf(const std::string& kind);
// The objects no hit ever takes away: everything but the turn, score and speed targets.
std::vector<CLevelObject> LastingObjects(const std::vector<CLevelObject>& objects);
