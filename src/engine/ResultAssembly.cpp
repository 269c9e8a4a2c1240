// The summary of a calculated variant from its proof table. Proof tables are walked in
// their insertion order, which fixes the order of the warning texts and, among exactly
// equal utilisations, the decisive proof.
#include "engine/ResultAssembly.h"

#include <cmath>
#include <limits>

#include "engine/Proofs.h"
#include "engine/Vek.h"
#include "language/Language.h"

namespace vek {

namespace {

constexpr std::string_view kNotFound = "not found";
// Largest utilisation of a passing variant, percent.
constexpr double kPassingWorkload = 100;

// Only utilisation proofs have exactly 1.0 as their limit.
bool IsUtilisationProof(const TVEKProof& proof) {
  return proof.Value2 == 1.0;
}

}  // namespace

bool IsGeometryCheck(std::string_view proofKey) {
  return proofKey == "thickness" || proofKey == "height" || proofKey == "length" ||
         proofKey == "adjust";
}

bool IsPassingVariant(const TVEKResult& result) {
  return result.IsAllProof && result.MaxWorkload <= kPassingWorkload;
}

double MaxWorkloadOf(const TVEKProofTable& proofs) {
  double largest = -1;
  for (const auto& [key, proof] : proofs) {
    if (IsUtilisationProof(proof) && proof.Value1 > largest) {
      largest = proof.Value1;
    }
  }
  if (!(largest > -1)) {
    return -1;
  }
  // Percent with two decimals; nearbyint rounds ties to even in the default mode.
  return std::nearbyint(largest * 100 * 100) / 100;
}

std::string DecisiveProofOf(const TVEKProofTable& proofs) {
  double largest = -1.0;
  const std::string* decisive = nullptr;
  for (const auto& [key, proof] : proofs) {
    if (IsUtilisationProof(proof) && proof.Value1 > largest) {
      largest = proof.Value1;
      decisive = &key;
    }
  }
  return decisive ? *decisive : std::string(kNotFound);
}

void SummariseProofs(const TVEKProofTable& proofs, TVEKResult& result) {
  if (!proofs.Empty()) {
    result.IsAllProof = true;
    result.IsWarning = false;
    result.GeoWarning.clear();
    for (const auto& [key, proof] : proofs) {
      if (proof.IsProof) {
        continue;
      }
      if (IsGeometryCheck(key)) {
        result.IsWarning = true;
        result.GeoWarning += ' ';
        result.GeoWarning += Language().PrintL(key);
      } else {
        result.IsAllProof = false;
      }
    }
  }
  result.MaxWorkload = MaxWorkloadOf(proofs);
  result.DecisiveProof = DecisiveProofOf(proofs);
}

double TVek::GetMaxWorkload(const TVEKProofTable& table) {
  return MaxWorkloadOf(table);
}

std::string TVek::GetDecisiveProof(const TVEKProofTable& table) {
  return DecisiveProofOf(table);
}

namespace {

// Reads the value of a key into a result field. After a calculation that wrote no
// proofs a table may not hold the key (or not exist yet); the field then keeps its
// value of the empty result.
template <class TTable, class TKey>
void Take(double& field, const TTable& table, TKey key, bool strict) {
  if (strict || table.Contains(key)) {
    field = table.Get(key);
  }
}

// The larger of two design values; undefined when either is.
double Larger(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  return a > b ? a : b;
}

}  // namespace

TVEKResult TVek::AssembleResult(const TStructuralSafetySummary& summary) const {
  TVEKResult r;  // the empty result
  const bool proved = !FProofDB->Empty();
  if (proved) {
    r.Model = FModel;
    r.ModelAlias = GetModelAlias();
    r.Length = FL;
    r.VekModelLengthMethod = FModelLengthMethod;
  }
  SummariseProofs(*FProofDB, r);
  r.ProofDB = FProofDB;

  r.AnchorVersion = FAnchorVersion;
  r.IsModalityAdjustable = FModalityAdjustable;
  r.IsSpecialScrew = FFixturesSpecialScrews;
  r.IsStainlessSteel = FFixturesStainlessSteel;
  r.CeilingTile_CrackedConcrete = FAnchoringBaseCrackedConcrete;
  r.CeilingTile_F_ck = Ff_ck_CeilingTile;
  r.E_ = Fe_;
  r.H_1 = Fh_1;
  r.BuildingHeight = FBuildingHeight;
  r.WindZone = FWindZone;
  r.Region = FRegion;
  r.Description =
      FormatVariantDescription(FAnchorVersion, FModalityAdjustable, r.ModelAlias, r.Length, Fe_);

  Take(r.C_1, FValueDB, "c_1", proved);
  Take(r.Gk, FValueDB, "G_k", proved);
  Take(r.Wpos_k, FValueDB, "W_posk", proved);
  Take(r.Wneg_k, FValueDB, "W_negk", proved);
  Take(r.FT_k, FValueDB, "F_Tk", proved);

  Take(r.D_1, FModelDB, "d_1", proved);
  Take(r.D_s, FModelDB, "d_s", proved);
  Take(r.M_plyd, FModelDB, "M_plyd", proved);
  Take(r.M_plzd, FModelDB, "M_plzd", proved);
  Take(r.V_plyd, FModelDB, "V_plyd", proved);
  Take(r.V_plzd, FModelDB, "V_plzd", proved);
  Take(r.N_pld, FModelDB, "N_pld", proved);
  Take(r.cnom_i, FModelDB, "c_nom_i", proved);
  Take(r.cnom_e, FModelDB, "c_nom_e", proved);
  Take(r.t_e, FModelDB, "t_e", proved);
  Take(r.phi, FModelDB, "phi", proved);
  Take(r.l_con, FModelDB, "l_con", proved);
  Take(r.h_vek, FModelDB, "h", proved);
  Take(r.b_vek, FModelDB, "b", proved);

  const TEnvelopeTable& env = FMinMaxLoadingDB;
  Take(r.F_y_k_C, env, Env("max|Fd|G-f_y_C"), proved);
  Take(r.F_z_k_C, env, Env("max|Fd|G-f_z_C"), proved);
  Take(r.MaxFd_B_z_d, env, Env("maxFd-B_z_d"), proved);
  Take(r.MaxFd_B_x_d, env, Env("maxFd-B_x_d"), proved);
  Take(r.N_dA, env, Env("max|Fd|-N_d_A"), proved);
  Take(r.N_dB, env, Env("max|Fd|-N_d_B"), proved);
  Take(r.N_dC, env, Env("max|Fd|-N_d_C"), proved);
  if (proved ||
      (env.Contains(Env("max|Fd|-V_z_de_re_A")) && env.Contains(Env("max|Fd|-V_z_d_li_A")))) {
    r.V_zdA = Larger(env[Env("max|Fd|-V_z_de_re_A")], env[Env("max|Fd|-V_z_d_li_A")]);
  }
  Take(r.V_ydA, env, Env("max|Fd|-V_y_d_A"), proved);
  Take(r.V_zdB, env, Env("max|Fd|-V_z_d_B"), proved);
  Take(r.V_ydB, env, Env("max|Fd|-V_y_d_B"), proved);
  Take(r.V_zdC, env, Env("max|Fd|-V_z_d_C"), proved);
  Take(r.V_ydC, env, Env("max|Fd|-V_y_d_C"), proved);
  Take(r.M_zdA, env, Env("max|Fd|-M_z_d_A"), proved);
  Take(r.M_ydA, env, Env("max|Fd|-M_y_d_A"), proved);
  Take(r.M_zdB, env, Env("max|Fd|-M_z_d_B"), proved);
  Take(r.M_ydB, env, Env("max|Fd|-M_y_d_B"), proved);
  Take(r.M_zdC, env, Env("max|Fd|-M_z_d_C"), proved);
  Take(r.M_ydC, env, Env("max|Fd|-M_y_d_C"), proved);
  Take(r.A_zd_min, env, Env("minFd-A_z_d"), proved);
  Take(r.A_zd_max, env, Env("maxFd-A_z_d"), proved);
  Take(r.A_zd_abs_max, env, Env("max|Fd|-A_z_d"), proved);
  Take(r.B_zd_min, env, Env("minFd-B_z_d"), proved);
  Take(r.B_zd_max, env, Env("maxFd-B_z_d"), proved);
  Take(r.B_zd_abs_max, env, Env("max|Fd|-B_z_d"), proved);
  Take(r.B_xd_min, env, Env("minFd-B_x_d"), proved);
  Take(r.B_xd_max, env, Env("maxFd-B_x_d"), proved);
  Take(r.B_xd_abs_max, env, Env("max|Fd|-B_x_d"), proved);
  Take(r.B_yd_min, env, Env("minFd-B_y_d"), proved);
  Take(r.B_yd_max, env, Env("maxFd-B_y_d"), proved);
  Take(r.B_yd_abs_max, env, Env("max|Fd|-B_y_d"), proved);

  r.reinf = FIsRebarNR ? "NR" : "B500B";
  if (proved) {
    r.CompSign = summary.CompSign;
    r.IsWorkloadCalculate = summary.IsWorkloadCalculate;
    r.MinStructuralSafety = summary.MinStructuralSafety;
  }
  return r;
}

}  // namespace vek
