#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
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
//
// The engine empties and refills its tables with the same keys in the same
// order for every variant it calculates, so Clear keeps the entries and their
// index: an Add that repeats the key stored at its position costs a string
// compare, no hashing and no allocation.
template <class V>
class TKeyTable {
 public:
  using Entry = std::pair<std::string, V>;
  using const_iterator = typename std::vector<Entry>::const_iterator;
  using iterator = typename std::vector<Entry>::iterator;

  void Add(std::string_view key, V value) {
    if (FCount < FItems.size() && FItems[FCount].first == key) {
      FItems[FCount].second = std::move(value);
      ++FCount;
      return;
    }
    if (FindIndex(key) != kNone) {
      throw EDuplicateKey(std::string(key));
    }
    if (FCount < FItems.size()) {
      // The refill takes another course: drop the kept entries from here on.
      DropKept();
      Reindex();
    }
    FItems.emplace_back(std::string(key), std::move(value));
    ++FCount;
    Insert(FItems.size() - 1);
  }

  // Adds the key or replaces its value in place (the position stays).
  void Set(std::string_view key, V value) {
    if (const size_t index = FindIndex(key); index != kNone) {
      FItems[index].second = std::move(value);
    } else {
      Add(key, std::move(value));
    }
  }

  const V& Get(std::string_view key) const { return FItems[IndexOf(key)].second; }
  V& Get(std::string_view key) { return FItems[IndexOf(key)].second; }
  const V& operator[](std::string_view key) const { return Get(key); }
  V& operator[](std::string_view key) { return Get(key); }

  const V* Find(std::string_view key) const {
    const size_t index = FindIndex(key);
    return index == kNone ? nullptr : &FItems[index].second;
  }
  V* Find(std::string_view key) {
    const size_t index = FindIndex(key);
    return index == kNone ? nullptr : &FItems[index].second;
  }
  bool Contains(std::string_view key) const { return FindIndex(key) != kNone; }

  bool Remove(std::string_view key) {
    const size_t index = FindIndex(key);
    if (index == kNone) {
      return false;
    }
    DropKept();
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(index));
    --FCount;
    Reindex();
    return true;
  }

  void Clear() {
    FCount = 0;
    if constexpr (!std::is_trivially_destructible_v<V>) {
      // Values that own something (results, nested tables) go at once.
      FItems.clear();
      std::fill(FSlots.begin(), FSlots.end(), kEmptySlot);
    }
  }
  size_t Count() const { return FCount; }
  bool Empty() const { return FCount == 0; }

  // Entries in insertion order.
  const_iterator begin() const { return FItems.begin(); }
  const_iterator end() const { return FItems.begin() + static_cast<std::ptrdiff_t>(FCount); }
  iterator begin() { return FItems.begin(); }
  iterator end() { return FItems.begin() + static_cast<std::ptrdiff_t>(FCount); }

  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    keys.reserve(FCount);
    for (const auto& entry : *this) {
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

  // Copies hold only the live entries.
  TKeyTable() = default;
  TKeyTable(const TKeyTable& other) { CopyFrom(other); }
  TKeyTable& operator=(const TKeyTable& other) {
    if (this != &other) {
      CopyFrom(other);
    }
    return *this;
  }
  TKeyTable(TKeyTable&& other) noexcept
      : FItems(std::move(other.FItems)), FCount(other.FCount), FSlots(std::move(other.FSlots)) {
    other.Reset();
  }
  TKeyTable& operator=(TKeyTable&& other) noexcept {
    if (this != &other) {
      FItems = std::move(other.FItems);
      FCount = other.FCount;
      FSlots = std::move(other.FSlots);
      other.Reset();
    }
    return *this;
  }

 private:
  static constexpr size_t kNone = static_cast<size_t>(-1);
  static constexpr uint32_t kEmptySlot = 0;  // slots hold entry index + 1

  static uint64_t Hash(std::string_view s) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a: the keys are short
    for (unsigned char c : s) {
      h = (h ^ c) * 1099511628211ull;
    }
    return h ^ (h >> 29);
  }

  // Index of a live entry with this key, or kNone.
  size_t FindIndex(std::string_view key) const {
    if (FSlots.empty()) {
      return kNone;
    }
    const size_t mask = FSlots.size() - 1;
    for (size_t slot = Hash(key) & mask;; slot = (slot + 1) & mask) {
      const uint32_t s = FSlots[slot];
      if (s == kEmptySlot) {
        return kNone;
      }
      const size_t index = s - 1;
      if (FItems[index].first == key) {
        return index < FCount ? index : kNone;
      }
    }
  }

  size_t IndexOf(std::string_view key) const {
    const size_t index = FindIndex(key);
    if (index == kNone) {
      throw EKeyNotFound(std::string(key));
    }
    return index;
  }

  // Puts entry `index` into the slots, growing them to keep the load below half.
  void Insert(size_t index) {
    if (2 * FItems.size() > FSlots.size()) {
      FSlots.assign(std::max<size_t>(16, FSlots.size() * 2), kEmptySlot);
      for (size_t i = 0; i < FItems.size(); ++i) {
        Place(i);
      }
      return;
    }
    Place(index);
  }

  void Place(size_t index) {
    const size_t mask = FSlots.size() - 1;
    size_t slot = Hash(FItems[index].first) & mask;
    while (FSlots[slot] != kEmptySlot) {
      slot = (slot + 1) & mask;
    }
    FSlots[slot] = static_cast<uint32_t>(index + 1);
  }

  void Reindex() {
    std::fill(FSlots.begin(), FSlots.end(), kEmptySlot);
    for (size_t i = 0; i < FItems.size(); ++i) {
      Place(i);
    }
  }

  void DropKept() {
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(FCount), FItems.end());
  }

  void Reset() {
    FItems.clear();
    FCount = 0;
    FSlots.clear();
  }

  void CopyFrom(const TKeyTable& other) {
    FItems.assign(other.begin(), other.end());
    FCount = FItems.size();
    FSlots.clear();
    if (!FItems.empty()) {
      size_t size = 16;
      while (size < 2 * FItems.size()) {
        size *= 2;
      }
      FSlots.assign(size, kEmptySlot);
      Reindex();
    }
  }

  // Entries [0, FCount) are live; the rest are kept from before the last Clear.
  std::vector<Entry> FItems;
  size_t FCount = 0;
  std::vector<uint32_t> FSlots;
};

}  // namespace vek
