// The bytes of one vertex or index buffer, handed out by Lock.
#pragma once

#include <d3d9.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace d3d9common {

// Locks may nest, as on the real device; each needs its Unlock. The bytes written through
// locks are remembered as one dirty range, for devices that copy them elsewhere.
class BufferMemory {
public:
    struct Range {
        UINT begin;
        UINT end;
    };

    explicit BufferMemory(UINT size) : bytes_(size) {}

    // SizeToLock 0 locks from the offset to the end; a range outside the buffer fails.
    // A read-only lock leaves the dirty range alone.
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags);
    HRESULT Unlock();
    bool Locked() const { return openLocks_ > 0; }
    const std::vector<std::uint8_t>& Data() const { return bytes_; }
    UINT Size() const { return static_cast<UINT>(bytes_.size()); }

    // The range written since the last call, if any, and forgets it.
    std::optional<Range> TakeDirtyRange();

private:
    std::vector<std::uint8_t> bytes_;
    UINT openLocks_ = 0;
    std::optional<Range> dirty_;
};

} // namespace d3d9common
