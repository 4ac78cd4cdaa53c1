#include "shell/frame_clock.h"

FrameClock::FrameClock(LONGLONG frequency, LONGLONG now)
    : m_frequency(frequency), m_lastFrame(now), m_lastRate(now) {}

float FrameClock::Tick(LONGLONG now) {
    ++m_frames;
    const float dt = static_cast<float>(static_cast<double>(now - m_lastFrame) /
                                        static_cast<double>(m_frequency));
    m_lastFrame = now;
    const LONGLONG wholeSeconds = (now - m_lastRate) / m_frequency;
    if (wholeSeconds >= 1) {
        m_fps = static_cast<int>(static_cast<double>(m_frames) / static_cast<double>(wholeSeconds));
        m_lastRate = now;
        m_frames = 0;
    }
    return dt;
}
