// A set of the level file's objects, each named by its place in the file's object list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ObjectSet {
public:
    ObjectSet() = default;
    // Room for `size` objects, none of them in the set.
    explicit ObjectSet(std::size_t size);

    void Insert(std::size_t index);
    bool Contains(std::size_t index) const;
    ObjectSet& operator|=(const ObjectSet& other);
    // The objects of this set that `other` lacks.
    ObjectSet Without(const ObjectSet& other) const;

    // The set's bits, for keys.
    void AppendTo(std::string& key) const;

private:
    // Words up to the last one with a member.
    std::size_t UsedWords() const;

    std::vector<std::uint64_t> m_words;
};
