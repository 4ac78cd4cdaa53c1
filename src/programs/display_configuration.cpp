// The display configuration of one of the four programs, chosen when it is built.
#include "render/device_setup.h"

const DisplayConfiguration kDisplayConfiguration = {
    RW_WINDOWED ? TRUE : FALSE,
    RW_MULTISAMPLED ? D3DMULTISAMPLE_2_SAMPLES : D3DMULTISAMPLE_NONE,
};
