#include "object.h"

#include "recorder.h"

namespace d3d9rec::detail {

RecordedObject::RecordedObject(IUnknown* owner) : RefCounted(owner), id_(NewObjectId()) {
    CountObjectCreated();
}

RecordedObject::~RecordedObject() {
    CountObjectDestroyed();
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
