// FindResourceA and its companions over the table of embedded resources.
#include "module.h"
#include "resource_registry.h"

#include <deque>
#include <strings.h>

struct HRSRC__ {
    const char* name;
    const char* type;
    const unsigned char* bytes;
    std::size_t size;
};

namespace {

// A deque keeps the records in place as it grows: HRSRC values point at them.
std::deque<HRSRC__>& Resources() {
    static std::deque<HRSRC__> resources;
    return resources;
}

// Integer ids are never registered, so they match nothing (and are never dereferenced).
bool SameName(LPCSTR wanted, const char* registered) {
    return !IS_INTRESOURCE(wanted) && strcasecmp(wanted, registered) == 0;
}

HRSRC Find(LPCSTR name, LPCSTR type) {
    for (HRSRC__& resource : Resources()) {
        if (SameName(name, resource.name) && SameName(type, resource.type)) {
            return &resource;
        }
    }
    return nullptr;
}

bool IsOurModule(HMODULE module) {
    return module == nullptr || module == win32::ProgramModule();
}

bool IsRegistered(HRSRC resource) {
    for (const HRSRC__& entry : Resources()) {
        if (&entry == resource) {
            return true;
        }
    }
    return false;
}

} // namespace

namespace win32 {

void RegisterEmbeddedResource(const char* name, const char* type, const unsigned char* bytes,
                              std::size_t size) {
    if (Find(name, type) == nullptr) {
        Resources().push_back(HRSRC__{name, type, bytes, size});
    }
}

} // namespace win32

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (!IsOurModule(module) || name == nullptr || type == nullptr) {
        return nullptr;
    }
    return Find(name, type);
}

// The loaded "global" is the resource's own bytes: they are already in memory.
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    if (!IsOurModule(module) || !IsRegistered(resource)) {
        return nullptr;
    }
    return const_cast<unsigned char*>(resource->bytes);
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    if (!IsOurModule(module) || !IsRegistered(resource)) {
        return 0;
    }
    return static_cast<DWORD>(resource->size);
}

LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}
