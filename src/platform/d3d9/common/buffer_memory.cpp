#include "buffer_memory.h"

#include <algorithm>

namespace d3d9common {

HRESULT BufferMemory::Lock(UINT offset, UINT size, void** data, DWORD flags) {
    if (!data) {
        return D3DERR_INVALIDCALL;
    }
    *data = nullptr;
    if (offset >= Size()) {
        return D3DERR_INVALIDCALL;
    }
    std::uint64_t length = size == 0 ? Size() - offset : size;
    if (offset + length > Size()) {
        return D3DERR_INVALIDCALL;
    }
    *data = bytes_.data() + offset;
    ++openLocks_;
    if (!(flags & D3DLOCK_READONLY)) {
        UINT end = static_cast<UINT>(offset + length);
        dirty_ = dirty_ ? Range{std::min(dirty_->begin, offset), std::max(dirty_->end, end)}
                        : Range{offset, end};
    }
    return D3D_OK;
}

HRESULT BufferMemory::Unlock() {
    if (openLocks_ == 0) {
        return D3DERR_INVALIDCALL;
    }
    --openLocks_;
    return D3D_OK;
}

std::optional<BufferMemory::Range> BufferMemory::TakeDirtyRange() {
    std::optional<Range> taken = dirty_;
    dirty_.reset();
    return taken;
}

} // namespace d3d9common
