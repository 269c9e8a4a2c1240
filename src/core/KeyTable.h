#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vek {

// The errors of a string-keyed table; each carries the key it is about.
class EKeyTableError : public std::runtime_error {
 public:
  EKeyTableError(const std::string& message, std::string key)
      : std::runtime_error(message), FKey(std::move(key)) {}
  const std::string& Key() const { return FKey; }

 private:
  std::string FKey;
};

class EKeyNotFound : public EKeyTableError {
 public:
  explicit EKeyNotFound(const std::string& key)
      : EKeyTableError("Key not found: '" + key + "'", key) {}
};

class EDuplicateKey : public EKeyTableError {
 public:
  explicit EDuplicateKey(const std::string& key)
      : EKeyTableError("Duplicate key: '" + key + "'", key) {}
};

// A table from exact (case-sensitive) UTF-8 keys to values that remembers the
// order of insertion. Adding a present key and reading an absent key are errors.
template <class V>
class TKeyTable {
 public:
  using Entry = std::pair<std::string, V>;
  using const_iterator = typename std::vector<Entry>::const_iterator;
  using iterator = typename std::vector<Entry>::iterator;

  void Add(std::string key, V value) {
    if (FIndex.contains(key)) {
      throw EDuplicateKey(key);
    }
    FIndex.emplace(key, FItems.size());
    FItems.emplace_back(std::move(key), std::move(value));
  }

  // Adds the key or replaces its value in place (the position stays).
  void Set(std::string key, V value) {
    if (auto it = FIndex.find(key); it != FIndex.end()) {
      FItems[it->second].second = std::move(value);
    } else {
      Add(std::move(key), std::move(value));
    }
  }

  const V& Get(std::string_view key) const { return FItems[IndexOf(key)].second; }
  V& Get(std::string_view key) { return FItems[IndexOf(key)].second; }
  const V& operator[](std::string_view key) const { return Get(key); }
  V& operator[](std::string_view key) { return Get(key); }

  const V* Find(std::string_view key) const {
    auto it = FIndex.find(key);
    return it == FIndex.end() ? nullptr : &FItems[it->second].second;
  }
  V* Find(std::string_view key) {
    auto it = FIndex.find(key);
    return it == FIndex.end() ? nullptr : &FItems[it->second].second;
  }
  bool Contains(std::string_view key) const { return FIndex.find(key) != FIndex.end(); }

  bool Remove(std::string_view key) {
    auto it = FIndex.find(key);
    if (it == FIndex.end()) {
      return false;
    }
    const size_t index = it->second;
    FIndex.erase(it);
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& entry : FIndex) {
      if (entry.second > index) {
        --entry.second;
      }
    }
    return true;
  }

  void Clear() {
    FItems.clear();
    FIndex.clear();
  }
  size_t Count() const { return FItems.size(); }
  bool Empty() const { return FItems.empty(); }

  // Entries in insertion order.
  const_iterator begin() const { return FItems.begin(); }
  const_iterator end() const { return FItems.end(); }
  iterator begin() { return FItems.begin(); }
  iterator end() { return FItems.end(); }

  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    keys.reserve(FItems.size());
    for (const auto& entry : FItems) {
      keys.push_back(entry.first);
    }
    return keys;
  }

  // Keys ascending in ordinal order. std::string compares bytes as unsigned,
  // which for UTF-8 is code point order; for these keys the same as UTF-16 order.
  std::vector<std::string> OrdinalKeys() const {
    std::vector<std::string> keys = Keys();
    std::sort(keys.begin(), keys.end());
    return keys;
  }

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  size_t IndexOf(std::string_view key) const {
    auto it = FIndex.find(key);
    if (it == FIndex.end()) {
      throw EKeyNotFound(std::string(key));
    }
    return it->second;
  }

  std::vector<Entry> FItems;
  std::unordered_map<std::string, size_t, Hash, std::equal_to<>> FIndex;
};

}  // namespace vek
