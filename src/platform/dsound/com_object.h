// Reference counting shared by the objects handed to the program: the last Release deletes.
#pragma once

#include <dsound.h>

namespace dsound {

template <typename Interface> class ComObject : public Interface {
public:
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override {
        ULONG left = --m_references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

private:
    ULONG m_references = 1;
};

} // namespace dsound
