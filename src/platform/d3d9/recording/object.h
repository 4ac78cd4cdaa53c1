// Reference counting shared by every recording object.
#pragma once

#include "d3d9_recording.h"

namespace d3d9rec::detail {

// Two kinds of reference keep an object alive: the program's (AddRef/Release, counted by
// RefCount) and the device's own hold on what is bound to it, which the program never sees
// (as on the real device, binding a texture does not raise its reference count). An object
// that still has program references keeps one reference on its owner (a device on its
// IDirect3D9, a resource on its device) so that no pointer it holds can dangle.
class RecordedObject {
public:
    RecordedObject(const RecordedObject&) = delete;
    RecordedObject& operator=(const RecordedObject&) = delete;

    ObjectId Id() const { return id_; }
    ULONG PublicRefs() const { return publicRefs_; }

    void HoldInternal() { ++internalRefs_; }
    void DropInternal();

protected:
    // Starts with one program reference and takes one on `owner` (may be null).
    explicit RecordedObject(IUnknown* owner);
    virtual ~RecordedObject();

    ULONG AddPublicRef();
    ULONG ReleasePublicRef();

private:
    ObjectId id_;
    IUnknown* owner_;
    ULONG publicRefs_ = 1;
    ULONG internalRefs_ = 0;
};

// Swaps what a binding slot holds, keeping the device's hold on both right.
template <class T> void Rebind(T*& slot, T* next) {
    if (next) {
        next->HoldInternal();
    }
    if (slot) {
        slot->DropInternal();
    }
    slot = next;
}

} // namespace d3d9rec::detail
