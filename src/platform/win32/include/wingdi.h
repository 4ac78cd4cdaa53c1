// The GDI constants the game's font description uses.
#pragma once

#define DEFAULT_CHARSET 1
