// Reference counting shared by the objects of every device.
#pragma once

#include <unknwn.h>

namespace d3d9common {

// Two kinds of reference keep an object alive: the program's (AddRef/Release) and the
// device's own hold on what is bound to it, which the program never sees (as on the real
// device, binding a texture does not raise its reference count). An object that still has
// program references keeps one reference on its owner (a device on its IDirect3D9, a
// resource on its device) so that no pointer it holds can dangle.
class RefCounted {
public:
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    ULONG PublicRefs() const { return publicRefs_; }

    void HoldInternal() { ++internalRefs_; }
    void DropInternal();

protected:
    // Starts with one program reference and takes one on `owner` (may be null).
    explicit RefCounted(IUnknown* owner);
    virtual ~RefCounted() = default;

    ULONG AddPublicRef();
    ULONG ReleasePublicRef();

private:
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

} // namespace d3d9common
