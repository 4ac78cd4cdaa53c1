// Which wave formats a buffer can hold, and the OpenAL sample format for each.
#pragma once

#include <AL/al.h>
#include <dsound.h>

namespace dsound {

// DS_OK with the AL format in *alFormat; DSERR_INVALIDPARAM for a format whose fields
// contradict each other; DSERR_BADFORMAT for a valid format OpenAL cannot play here
// (anything but 8- or 16-bit PCM and 32-bit float, in mono or stereo).
HRESULT ChooseAlFormat(const WAVEFORMATEX& format, ALenum* alFormat);

// DS_OK for a primary-buffer format: PCM of 8 or 16 bits, 1 or 2 channels, consistent.
HRESULT CheckPcmFormat(const WAVEFORMATEX& format);

} // namespace dsound
