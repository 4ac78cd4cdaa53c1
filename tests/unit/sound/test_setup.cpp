// Every test here plays through OpenAL Soft's wave backend, which records what is played.
#include "../sound_support/openal_config.h"

namespace {

[[maybe_unused]] const bool kConfigured = openal_test::UseWaveCapture();

} // namespace
