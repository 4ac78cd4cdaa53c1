// One opened OpenAL device with its context: what a DirectSound object stands for. Its
// buffers share it, so it lasts until the object and every buffer are released.
#pragma once

#include <memory>

#include <AL/al.h>
#include <AL/alc.h>
#include <windows.h>

namespace dsound {

class AlOutput {
public:
    // The default device, or null when there is none.
    static std::shared_ptr<AlOutput> OpenDefault();
    ~AlOutput();
    AlOutput(const AlOutput&) = delete;
    AlOutput& operator=(const AlOutput&) = delete;

    // Several objects may be alive at once: each call into AL first selects its own context.
    void MakeCurrent() const;

    DWORD cooperativeLevel = 0;

private:
    AlOutput(ALCdevice* device, ALCcontext* context) : m_device(device), m_context(context) {}
    ALCdevice* m_device;
    ALCcontext* m_context;
};

} // namespace dsound
