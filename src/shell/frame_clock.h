// Frame time and frame rate from the high-resolution counter.
#pragma once

#include <windows.h>

class FrameClock {
public:
    // Starts both the frame time and the rate count at `now`.
    FrameClock(LONGLONG frequency, LONGLONG now);

    // Counts a frame starting at `now` and gives its time in seconds since the previous
    // frame started. Once a whole second has passed since the last refresh, the rate becomes
    // the frames since then divided by the whole seconds.
    float Tick(LONGLONG now);
    // Frames per second; 0 until the first whole second is over.
    int Fps() const { return m_fps; }

private:
    LONGLONG m_frequency;
    LONGLONG m_lastFrame;
    LONGLONG m_lastRate;
    int m_frames = 0;
    int m_fps = 0;
};
