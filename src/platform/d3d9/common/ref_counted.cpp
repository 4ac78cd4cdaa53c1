#include "ref_counted.h"

namespace d3d9common {

RefCounted::RefCounted(IUnknown* owner) : owner_(owner) {
    if (owner_) {
        owner_->AddRef();
    }
}

void RefCounted::DropInternal() {
    if (internalRefs_ > 0 && --internalRefs_ == 0 && publicRefs_ == 0) {
        delete this;
    }
}

ULONG RefCounted::AddPublicRef() {
    if (publicRefs_++ == 0 && owner_) {
        owner_->AddRef();
    }
    return publicRefs_;
}

ULONG RefCounted::ReleasePublicRef() {
    if (publicRefs_ == 0) {
        return 0;
    }
    if (--publicRefs_ > 0) {
        return publicRefs_;
    }
    // Read everything needed before `this` may be gone: releasing the owner can destroy the
    // device, which drops its hold on this object.
    IUnknown* owner = owner_;
    if (internalRefs_ == 0) {
        delete this;
    }
    if (owner) {
        owner->Release();
    }
    return 0;
}

} // namespace d3d9common
