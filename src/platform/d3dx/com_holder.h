// Ownership of one reference to an interface, released when the holder goes.
#pragma once

#include <unknwn.h>

#include <memory>

namespace d3dx {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

template <class Interface> using ComHolder = std::unique_ptr<Interface, Releaser>;

} // namespace d3dx
