#include "solver/object_set.h"

#include "solver/state_key.h"

#include <algorithm>

namespace {

constexpr std::size_t kBitsPerWord = 64;

} // namespace

ObjectSet::ObjectSet(std::size_t size) : m_words((size + kBitsPerWord - 1) / kBitsPerWord, 0) {}

void ObjectSet::Insert(std::size_t index) {
    if (index / kBitsPerWord >= m_words.size()) {
        m_words.resize(index / kBitsPerWord + 1, 0);
    }
    m_words[index / kBitsPerWord] |= std::uint64_t{1} << (index % kBitsPerWord);
}

bool ObjectSet::Contains(std::size_t index) const {
    return index / kBitsPerWord < m_words.size() &&
           (m_words[index / kBitsPerWord] >> (index % kBitsPerWord) & 1) != 0;
}

ObjectSet& ObjectSet::operator|=(const ObjectSet& other) {
    if (other.m_words.size() > m_words.size()) {
        m_words.resize(other.m_words.size(), 0);
    }
    for (std::size_t i = 0; i < other.m_words.size(); ++i) {
        m_words[i] |= other.m_words[i];
    }
    return *this;
}

ObjectSet ObjectSet::Without(const ObjectSet& other) const {
    ObjectSet rest = *this;
    for (std::size_t i = 0; i < std::min(m_words.size(), other.m_words.size()); ++i) {
        rest.m_words[i] &= ~other.m_words[i];
    }
    return rest;
}

std::size_t ObjectSet::UsedWords() const {
    std::size_t used = m_words.size();
    while (used > 0 && m_words[used - 1] == 0) {
        --used;
    }
    return used;
}

void ObjectSet::AppendTo(std::string& key) const {
    // Trailing empty words are left out, so that sets with the same members give the same key
    // whatever room they were made with.
    const std::size_t used = UsedWords();
    AppendToKey(key, used);
    for (std::size_t i = 0; i < used; ++i) {
        AppendToKey(key, m_words[i]);
    }
}
