#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace vek {

// Input enumerations of a design case. The ordinals are stored as numbers in project
// files, so the order of the values must not change.

enum class TVEKWindZone : std::uint8_t { UNSET_WZ, WZ_1, WZ_2, WZ_3, WZ_4 };

enum class TVEKRegion : std::uint8_t {
  UNSET_REGION,
  BALTIC_SEA_COAST,
  BALTIC_SEA_ISLAND,
  NORTH_SEA_COAST,
  NORTH_SEA_ISLAND,
  INLAND
};

// Building height bands: h <= 10 m, 10 m < h <= 18 m, 18 m < h <= 25 m.
enum class TVEKBuildingHeight : std::uint8_t {
  UNSET_BUILDING_HEIGHT,
  LESS_THAN_OR_EQUAL_10,
  GREATER_THAN_10_LESS_THAN_18,
  GREATER_THAN_10_LESS_THAN_25
};

enum class TVEKAnchorVersion : std::uint8_t { UNSET_ANCHOR_VERSION, NORMAL, ATTIKA };

// AUTOMATIC_MODEL_LENGTH: the search tries every standard length; INPUT: the user's
// special length; L_ALL is never set by the engine and counts as "not INPUT".
enum class TVEKModelLength : std::uint8_t { AUTOMATIC_MODEL_LENGTH, INPUT, L_ALL };

// One real per standard anchor size. Indexed by the size itself, 1 to 8; any other
// index throws std::out_of_range.
struct TVEKL {
  std::array<double, 8> Items{};

  double& operator[](int size) { return Items.at(Index(size)); }
  const double& operator[](int size) const { return Items.at(Index(size)); }
  bool operator==(const TVEKL&) const = default;

 private:
  static std::size_t Index(int size) {
    if (size < 1 || size > 8) {
      throw std::out_of_range("anchor size out of range 1..8");
    }
    return static_cast<std::size_t>(size - 1);
  }
};

// Section of the special anchor (size 9), lengths in mm, A_Sp_S in mm². The member
// initialisers are the defaults; the field order is part of the stored format.
struct TVEKSpecialAnchor {
  double H = 85;
  double B = 144;
  double B2 = 40;
  double T = 8;
  double R = 11;
  double C_nom_i = 25;
  double C_nom_e = 35;
  double Phi = 20;
  double I = 90;
  double O = 10;
  double D_con = 24;
  double El_con = 720;
  double A = 5.5;
  double D_1 = 30;
  double A_Sp_S = 561;
  double D_w = 110;
  double A_sp = 70;
  double B_sp = 70;
  double A_tp = 110;
  double T_tp = 25;
  double D_s = 20;
  double S = 30;
  double N_t = 7;
  double H_t = 1.5;
  double B_t = 3;
  double T_t = 4;
  double G_t = 0.5;
  double C_t = 42;
  double El_t = 63;
  double L_t = 124;
  double S_t_t_t = 5;
  double D_L = 21;
  double d_J = 31;
  double L_ws = 45;

  bool operator==(const TVEKSpecialAnchor&) const = default;
};

}  // namespace vek
