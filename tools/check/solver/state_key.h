// Keys of search states: plain values written byte for byte into a string, so that two states
// have the same key exactly when every value written is the same.
#pragma once

#include <cstring>
#include <string>
#include <type_traits>

template <typename T> void AppendToKey(std::string& key, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    key.append(bytes, sizeof(T));
}
