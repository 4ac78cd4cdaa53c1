#include "al_output.h"

namespace dsound {

std::shared_ptr<AlOutput> AlOutput::OpenDefault() {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        return nullptr;
    }
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context == nullptr) {
        alcCloseDevice(device);
        return nullptr;
    }
    return std::shared_ptr<AlOutput>(new AlOutput(device, context));
}

AlOutput::~AlOutput() {
    if (alcGetCurrentContext() == m_context) {
        alcMakeContextCurrent(nullptr);
    }
    alcDestroyContext(m_context);
    alcCloseDevice(m_device);
}

void AlOutput::MakeCurrent() const {
    if (alcGetCurrentContext() != m_context) {
        alcMakeContextCurrent(m_context);
    }
}

} // namespace dsound
