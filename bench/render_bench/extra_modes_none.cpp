// The Windows build has no modes beyond the platform's own.
#include "extra_modes.h"

namespace bench {

ModeResult RunExtraMode(const Options&) {
    return ModeResult::kUnknown;
}

} // namespace bench
