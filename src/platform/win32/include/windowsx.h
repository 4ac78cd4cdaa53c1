// Message crackers: the signed client coordinates packed in a mouse message's LPARAM.
#pragma once

#include "windef.h"

#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
