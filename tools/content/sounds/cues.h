// The game's short sound cues, each under a second, at kCueRate samples per second. Their
// loudness is left to the caller.
#pragma once

#include <vector>

constexpr int kCueRate = 44100;

// Steam hissing out as a shot is fired.
std::vector<double> MakeSteam();
// A steam locomotive's chime whistle.
std::vector<double> MakeToot();
// A few coins clinking down one after another.
std::vector<double> MakeCoins();
// A rail piece dropped into place.
std::vector<double> MakeRail();
// A short explosion.
std::vector<double> MakeExplosion();
