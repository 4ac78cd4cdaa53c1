// The identity every recording object has in the log.
#pragma once

#include "d3d9_recording.h"
#include "ref_counted.h"

namespace d3d9rec::detail {

using d3d9common::Rebind;

// A counted object (see RefCounted) with an id in the log, counted among the live objects.
class RecordedObject : public d3d9common::RefCounted {
public:
    ObjectId Id() const { return id_; }

protected:
    explicit RecordedObject(IUnknown* owner);
    ~RecordedObject() override;

private:
    ObjectId id_;
};

} // namespace d3d9rec::detail
