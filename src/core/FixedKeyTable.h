#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/KeyTable.h"

namespace vek {

// A key of a fixed key set: the position of its name in the set's name list.
// Make one from a literal with the set's consteval KeyOf, so a misspelt key is a
// compile error and a lookup costs an array index.
struct TFixedKey {
  uint16_t Index;
  friend constexpr bool operator==(TFixedKey, TFixedKey) = default;
};

// A name of at most 47 bytes held by value, for key names composed at compile time.
struct TFixedName {
  char Text[48] = {};
  size_t Length = 0;

  constexpr TFixedName() = default;
  constexpr TFixedName(std::string_view s) { Append(s); }
  constexpr TFixedName& Append(std::string_view s) {
    for (char c : s) {
      Text[Length++] = c;  // overflow is a compile error in constant evaluation
    }
    return *this;
  }
  constexpr std::string_view View() const { return {Text, Length}; }
};

// A string-keyed table of reals over a key set known at compile time. It keeps
// the behaviour of TKeyTable (adding a present key and reading an absent one are
// errors, entries enumerate in insertion order) but stores its values in an
// array. Names is a constexpr array of TFixedName or std::string_view.
template <const auto& Names>
class TFixedKeyTable {
 public:
  static constexpr size_t kCount = std::size(Names);

  static constexpr std::string_view NameOf(TFixedKey key) { return View(Names[key.Index]); }

  static consteval TFixedKey KeyOf(std::string_view name) {
    for (size_t i = 0; i < kCount; ++i) {
      if (View(Names[i]) == name) {
        return TFixedKey{static_cast<uint16_t>(i)};
      }
    }
    throw "unknown key";  // reached only at compile time: a compile error
  }

  // Run-time lookup of a name; false when the key set has no such name.
  static bool TryKeyOf(std::string_view name, TFixedKey& key) {
    for (size_t i = 0; i < kCount; ++i) {
      if (View(Names[i]) == name) {
        key = TFixedKey{static_cast<uint16_t>(i)};
        return true;
      }
    }
    return false;
  }

  void Add(TFixedKey key, double value) {
    if (FPresent[key.Index]) {
      throw EDuplicateKey(std::string(NameOf(key)));
    }
    FPresent[key.Index] = true;
    FValues[key.Index] = value;
    FOrder[FCount++] = key.Index;
  }

  double Get(TFixedKey key) const {
    if (!FPresent[key.Index]) {
      throw EKeyNotFound(std::string(NameOf(key)));
    }
    return FValues[key.Index];
  }
  double operator[](TFixedKey key) const { return Get(key); }
  bool Contains(TFixedKey key) const { return FPresent[key.Index]; }

  double Get(std::string_view name) const {
    TFixedKey key{};
    if (!TryKeyOf(name, key) || !FPresent[key.Index]) {
      throw EKeyNotFound(std::string(name));
    }
    return FValues[key.Index];
  }
  bool Contains(std::string_view name) const {
    TFixedKey key{};
    return TryKeyOf(name, key) && FPresent[key.Index];
  }

  void Clear() {
    FPresent.fill(false);
    FCount = 0;
  }
  size_t Count() const { return FCount; }
  bool Empty() const { return FCount == 0; }

  // Entries as (name, value) in insertion order.
  std::pair<std::string_view, double> Entry(size_t position) const {
    const uint16_t index = FOrder[position];
    return {View(Names[index]), FValues[index]};
  }

 private:
  static constexpr std::string_view View(std::string_view s) { return s; }
  static constexpr std::string_view View(const TFixedName& n) { return n.View(); }

  std::array<double, kCount> FValues{};
  std::array<bool, kCount> FPresent{};
  std::array<uint16_t, kCount> FOrder{};
  size_t FCount = 0;
};

}  // namespace vek
