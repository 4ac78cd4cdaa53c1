#include "secondary_buffer.h"

namespace dsound {

SampleStore::SampleStore(std::shared_ptr<AlOutput> output_, const WAVEFORMATEX& format_,
                         ALenum alFormat_, DWORD size)
    : output(std::move(output_)), format(format_), alFormat(alFormat_), bytes(size) {
    Upload();
}

SampleStore::~SampleStore() {
    output->MakeCurrent();
    alDeleteBuffers(1, &alBuffer);
}

DWORD SampleStore::PlayableBytes() const {
    return DWORD(bytes.size()) / format.nBlockAlign * format.nBlockAlign;
}

void SampleStore::Upload() {
    output->MakeCurrent();
    ALuint fresh = 0;
    alGenBuffers(1, &fresh);
    alBufferData(fresh, alFormat, bytes.data(), ALsizei(PlayableBytes()),
                 ALsizei(format.nSamplesPerSec));
    for (SecondaryBuffer* user : users) {
        user->SwitchAlBuffer(fresh);
    }
    // Buffer name 0 (none yet) is deleted without effect.
    alDeleteBuffers(1, &alBuffer);
    alBuffer = fresh;
}

} // namespace dsound
