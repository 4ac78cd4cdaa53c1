#include "object.h"

#include "recorder.h"

namespace d3d9rec::detail {

RecordedObject::RecordedObject(IUnknown* owner) : id_(NewObjectId()), owner_(owner) {
    if (owner_) {
        owner_->AddRef();
    }
    CountObjectCreated();
}

RecordedObject::~RecordedObject() {
    CountObjectDestroyed();
}

void RecordedObject::DropInternal() {
    if (internalRefs_ > 0 && --internalRefs_ == 0 && publicRefs_ == 0) {
        delete this;
    }
}

ULONG RecordedObject::AddPublicRef() {
    if (publicRefs_++ == 0 && owner_) {
        owner_->AddRef();
    }
    return publicRefs_;
}

ULONG RecordedObject::ReleasePublicRef() {
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

} // namespace d3d9rec::detail

namespace d3d9rec {

ObjectId IdOf(const IUnknown* object) {
    auto* recorded = dynamic_cast<const detail::RecordedObject*>(object);
    return recorded ? recorded->Id() : 0;
}

ULONG RefCount(const IUnknown* object) {
    auto* recorded = dynamic_cast<const detail::RecordedObject*>(object);
    return recorded ? recorded->PublicRefs() : 0;
}

} // namespace d3d9rec
