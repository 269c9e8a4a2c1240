#pragma once

#include <array>
#include <string_view>

#include "core/FixedKeyTable.h"

// The fixed key sets of the characteristic internal forces, the load
// combinations and their envelopes. Code names a key by its text through the
// consteval helpers below (Env("max|Fd|-A_z_d")), which turns a misspelt key
// into a compile error and a lookup into an array index.
namespace vek {

// The eight actions, in the order of every table.
inline constexpr std::array<std::string_view, 8> kActionNames = {
    "G_k", "W_posk", "W_negk", "F_Tk", "H_1k", "H_2k", "V_1k", "V_2k"};

// The 22 quantities: characteristic keys and their design keys, in quantity
// order. Quantity 7's design key really is "V_z_de_re_A".
inline constexpr std::array<std::string_view, 22> kCharacteristicNames = {
    "A_z_k",   "B_x_k",   "B_z_k",   "B_y_k",   "N_k_A",   "V_z_k_li_A", "V_z_k_re_A", "V_y_k_A",
    "M_y_k_A", "M_z_k_A", "N_k_B",   "V_z_k_B", "V_y_k_B", "M_y_k_B",    "M_z_k_B",    "N_k_C",
    "V_z_k_C", "V_y_k_C", "M_y_k_C", "M_z_k_C", "f_y_C",   "f_z_C"};
inline constexpr std::array<std::string_view, 22> kDesignNames = {
    "A_z_d",   "B_x_d",   "B_z_d",   "B_y_d",   "N_d_A",   "V_z_d_li_A", "V_z_de_re_A", "V_y_d_A",
    "M_y_d_A", "M_z_d_A", "N_d_B",   "V_z_d_B", "V_y_d_B", "M_y_d_B",    "M_z_d_B",     "N_d_C",
    "V_z_d_C", "V_y_d_C", "M_y_d_C", "M_z_d_C", "f_y_C",   "f_z_C"};

inline constexpr int kActionCount = 8;
inline constexpr int kQuantityCount = 22;
inline constexpr int kCombinationCount = 103;  // per set, "LFT…" and "LFG…"

// Envelope modes in the order their entries are stored.
enum class TEnvelopeMode { MaxAbsT, MaxValue, MinValue, MaxAbsG };
inline constexpr std::array<std::string_view, 4> kEnvelopePrefixes = {"max|Fd|-", "maxFd-",
                                                                      "minFd-", "max|Fd|G-"};

// The 88 envelope keys: mode prefix + design key, modes outer, quantities inner.
inline constexpr auto kEnvelopeNames = [] {
  std::array<TFixedName, 4 * 22> names{};
  for (size_t m = 0; m < 4; ++m) {
    for (size_t q = 0; q < 22; ++q) {
      names[m * 22 + q] = TFixedName(kEnvelopePrefixes[m]).Append(kDesignNames[q]);
    }
  }
  return names;
}();

using TCharacteristicKeys = TFixedKeyTable<kCharacteristicNames>;
using TDesignKeys = TFixedKeyTable<kDesignNames>;
using TActionKeys = TFixedKeyTable<kActionNames>;
using TEnvelopeTable = TFixedKeyTable<kEnvelopeNames>;

consteval TFixedKey Env(std::string_view name) {
  return TEnvelopeTable::KeyOf(name);
}
consteval TFixedKey Quantity(std::string_view designName) {
  return TDesignKeys::KeyOf(designName);
}
consteval TFixedKey Action(std::string_view name) {
  return TActionKeys::KeyOf(name);
}
// A quantity by its characteristic key ("A_z_k"); the same index as its design key.
consteval TFixedKey Characteristic(std::string_view name) {
  return TCharacteristicKeys::KeyOf(name);
}

constexpr TFixedKey EnvelopeKey(TEnvelopeMode mode, TFixedKey quantity) {
  return TFixedKey{static_cast<uint16_t>(static_cast<int>(mode) * 22 + quantity.Index)};
}

}  // namespace vek
