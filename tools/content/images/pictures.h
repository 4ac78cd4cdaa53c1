// The full-screen pictures between levels, 1024 x 1024 each.
#pragma once

#include "images/canvas.h"

Canvas PaintTitlePicture();
Canvas PaintIntroductionPicture();
Canvas PaintCompletePicture();
Canvas PaintGameOverPicture();
