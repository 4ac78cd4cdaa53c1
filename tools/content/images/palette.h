// The colours all of the game's images share, so that the textures of the board and the
// full-screen pictures look like one world.
#pragma once

#include "images/color.h"

namespace palette {

// Meadow
constexpr Color kGrass = Hex(0x5e9b3e);
constexpr Color kGrassDark = Hex(0x4c8733);
constexpr Color kGrassLight = Hex(0x72ad4a);
constexpr Color kGrassSun = Hex(0x8cba55);

// Track bed and timber
constexpr Color kBallastGrey = Hex(0x8e877d);
constexpr Color kBallastBrown = Hex(0x7f6d5a);
constexpr Color kWoodLight = Hex(0x9c6b3f);
constexpr Color kWoodDark = Hex(0x70472a);
constexpr Color kSteel = Hex(0x6f767f);
constexpr Color kSteelLight = Hex(0xc3c9d0);

// Buildings
constexpr Color kBrick = Hex(0xa5452f);
constexpr Color kBrickDark = Hex(0x8c3526);
constexpr Color kBrickLight = Hex(0xb85a3e);
constexpr Color kMortar = Hex(0xd3cbbd);
constexpr Color kRoofTile = Hex(0x86302a);
constexpr Color kRoofShadow = Hex(0x4a1713);

// Coins
constexpr Color kGold = Hex(0xe3b23c);
constexpr Color kGoldLight = Hex(0xf8db7c);
constexpr Color kGoldShadow = Hex(0xb2822a);
constexpr Color kGoldField = Hex(0xd9a533);
constexpr Color kGoldInk = Hex(0x77520f);

// Targets
constexpr Color kTurnBlue = Hex(0x2f6fd0);
constexpr Color kStraightGreen = Hex(0x2f9e48);
constexpr Color kSpeedRed = Hex(0xd23a2c);
constexpr Color kBoltYellow = Hex(0xffd83a);

// Pictures: sky, hills, locomotive, lettering and panels
constexpr Color kSkyTop = Hex(0x3d7dd0);
constexpr Color kSkyHorizon = Hex(0xcde9f6);
constexpr Color kDuskTop = Hex(0x2e2f63);
constexpr Color kDuskHorizon = Hex(0xf2a062);
constexpr Color kDuskShade = Hex(0x5a4a7a);
constexpr Color kHillFar = Hex(0x86bb7e);
constexpr Color kHillNear = Hex(0x67a553);
constexpr Color kCloud = Hex(0xfbfdff);
constexpr Color kSun = Hex(0xffe58a);
constexpr Color kEngineGreen = Hex(0x24613f);
constexpr Color kEngineRed = Hex(0xc1362b);
constexpr Color kSoot = Hex(0x26282e);
constexpr Color kWindow = Hex(0xa9dcf2);
constexpr Color kSteam = Hex(0xf1f3f5);
constexpr Color kSmokeDark = Hex(0x4a4d55);
constexpr Color kEarth = Hex(0x6b4a2e);
constexpr Color kInk = Hex(0x1b2030);
constexpr Color kPanel = Hex(0xfff5dc);
constexpr Color kPanelEdge = Hex(0x3c2a1b);
constexpr Color kKeyTop = Hex(0xf1e6cc);
constexpr Color kHeading = Hex(0x7a3b1c);
constexpr Color kTitleGold = Hex(0xffcf3f);
constexpr Color kAlarmRed = Hex(0xf04a36);
constexpr Color kWhite = Hex(0xffffff);

} // namespace palette
