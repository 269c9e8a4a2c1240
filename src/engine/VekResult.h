#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/KeyTable.h"
#include "engine/VekTypes.h"

namespace vek {

// One check of a calculated variant. A utilisation proof has Value2 == 1.0, Value3 false,
// Operator "<=" and IsProof == (Value1 <= 1); only those count for the maximum utilisation.
struct TVEKProof {
  bool IsProof = false;
  double Value1 = 0;
  double Value2 = 0;
  bool Value3 = false;
  double Value4 = 0;
  std::string Value5;    // offset variant that produced it: "n", "p" or "m"
  std::string Operator;  // "<=", ">=", ">" or "!" (not computable)
};

using TVEKProofTable = TKeyTable<TVEKProof>;
// Results share the proof table of the calculation that made them; it lives as long as
// any result refers to it.
using TVEKProofTableRef = std::shared_ptr<TVEKProofTable>;

// One calculated variant of size and length. A default-constructed record is the empty
// result (Model == -1).
struct TVEKResult {
  std::string Description;
  int Model = -1;
  std::string ModelAlias;
  double Length = -1.0;
  TVEKModelLength VekModelLengthMethod = TVEKModelLength::AUTOMATIC_MODEL_LENGTH;
  double MaxWorkload = -1.0;  // percent
  std::string DecisiveProof;
  std::string GeoWarning;
  bool IsWarning = false;
  bool IsAllProof = false;
  bool IsWorkloadCalculate = false;
  TVEKAnchorVersion AnchorVersion = TVEKAnchorVersion::UNSET_ANCHOR_VERSION;
  bool IsModalityAdjustable = false;
  bool IsSpecialScrew = false;
  bool IsStainlessSteel = false;
  bool CeilingTile_CrackedConcrete = false;
  double CeilingTile_F_ck = 0;
  double MinStructuralSafety = 0;
  double E_ = 0;
  double H_1 = 0;
  double C_1 = 0;
  double D_1 = 0;
  double D_s = 0;
  double Gk = 0;
  double Wpos_k = 0;
  double Wneg_k = 0;
  double FT_k = 0;
  double F_y_k_C = 0;
  double F_z_k_C = 0;
  TVEKProofTableRef ProofDB;
  TVEKBuildingHeight BuildingHeight = TVEKBuildingHeight::UNSET_BUILDING_HEIGHT;
  TVEKWindZone WindZone = TVEKWindZone::UNSET_WZ;
  TVEKRegion Region = TVEKRegion::UNSET_REGION;
  double MaxFd_B_z_d = 0;
  double MaxFd_B_x_d = 0;
  double M_plyd = 0;
  double M_plzd = 0;
  double V_plyd = 0;
  double V_plzd = 0;
  double N_pld = 0;
  double N_dA = 0;
  double N_dB = 0;
  double N_dC = 0;
  double V_zdA = 0;
  double V_ydA = 0;
  double V_zdB = 0;
  double V_ydB = 0;
  double V_zdC = 0;
  double V_ydC = 0;
  double M_zdA = 0;
  double M_ydA = 0;
  double M_zdB = 0;
  double M_ydB = 0;
  double M_zdC = 0;
  double M_ydC = 0;
  double A_zd_min = 0;
  double A_zd_max = 0;
  double A_zd_abs_max = 0;
  double B_zd_min = 0;
  double B_zd_max = 0;
  double B_zd_abs_max = 0;
  double B_xd_min = 0;
  double B_xd_max = 0;
  double B_xd_abs_max = 0;
  double B_yd_min = 0;
  double B_yd_max = 0;
  double B_yd_abs_max = 0;
  double cnom_i = 0;
  double cnom_e = 0;
  double t_e = 0;
  double phi = 0;
  double l_con = 0;
  std::string reinf;
  double h_vek = 0;
  double b_vek = 0;
  std::string CompSign;
};

using TVEKResultTable = TKeyTable<TVEKResult>;

// Calculation state of a design case; the ordinals are stored elsewhere.
enum class TVEKState : std::uint8_t { DEFAULT = 0, CALCULATED = 1, ASSIGNED = 2 };
enum class TVEKSignal : std::uint8_t { EDIT = 0, CALC = 1, ASSIGN = 2, RESET_AS = 3 };
enum class TVEKControl : std::uint8_t { RUN = 0, STOP = 1 };

// Key of a variant in the result table, e.g. "VEK – NJ – 3 – 450 – 20" (en dashes);
// length and gap in the shortest general form with the regional decimal separator.
std::string FormatVariantDescription(TVEKAnchorVersion version, bool adjustable,
                                     const std::string& modelAlias, double length, double gap);

}  // namespace vek
