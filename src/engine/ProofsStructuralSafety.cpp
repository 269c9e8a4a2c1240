// Structural safety of the anchor's section at A, B and C, local buckling of its plates and
// the slenderness of the web at A.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "engine/DesignConstants.h"
#include "engine/ProofRecords.h"
#include "engine/Proofs.h"

namespace vek {

using proofs::AtMostProof;
using proofs::IsUtilisationMet;
using proofs::Square;

namespace {

enum class TLocation { A, B, C };

struct TLocationForces {
  double V_z, V_y, N, M_y, M_z;  // kN, kNm
};

struct TLocationKeys {
  const char* Rho_z;
  const char* Rho_y;
  const char* M_0;
  const char* S_1;
  const char* S_2;
  const char* M_red;
  const char* Eta;
  const char* Record;
};

constexpr std::array<TLocationKeys, 3> kLocationKeys = {{
    {"V_zd_A/V_plzd", "V_y_d_A/V_plyd", "M_yd_0A", "Sheet1_posA", "Sheet2_posA", "redM_plyd_A",
     "Value_structural_safety_posA", "3.1.1_structural_safety_posA"},
    {"V_zd_B/V_plzd", "V_y_d_B/V_plyd", "M_yd_0B", "Sheet1_posB", "Sheet2_posB", "redM_plyd_B",
     "Value_structural_safety_posB", "3.1.2_structural_safety_posB"},
    {"V_zd_C/V_plzd", "V_y_d_C/V_plyd", "M_yd_0C", "Sheet1_posC", "Sheet2_posC", "redM_plyd_C",
     "Value_structural_safety_posC", "3.1.3_structural_safety_posC"},
}};

// The larger magnitude; undefined when either is.
double LargerMagnitude(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  return std::max(std::abs(a), std::abs(b));
}

TLocationForces ForcesAt(const TEnvelopeTable& env, TLocation location) {
  switch (location) {
    case TLocation::A:
      return {LargerMagnitude(env[Env("max|Fd|-V_z_d_li_A")], env[Env("max|Fd|-V_z_de_re_A")]),
              env[Env("max|Fd|-V_y_d_A")], env[Env("max|Fd|-N_d_A")], env[Env("max|Fd|-M_y_d_A")],
              env[Env("max|Fd|-M_z_d_A")]};
    case TLocation::B:
      return {env[Env("max|Fd|-V_z_d_B")], env[Env("max|Fd|-V_y_d_B")], env[Env("max|Fd|-N_d_B")],
              env[Env("max|Fd|-M_y_d_B")], env[Env("max|Fd|-M_z_d_B")]};
    case TLocation::C:
      break;
  }
  return {env[Env("max|Fd|-V_z_d_C")], env[Env("max|Fd|-V_y_d_C")], env[Env("max|Fd|-N_d_C")],
          env[Env("max|Fd|-M_y_d_C")], env[Env("max|Fd|-M_z_d_C")]};
}

// Shear reduction of the plastic moment: none up to a third of the plastic shear
// resistance. Above the resistance (1 − ρ² < 0) the location is not computable. A ratio
// that is not a number is not "at most a third" and so ends as not computable too.
double ShearReduction(double rho, bool& computable) {
  if (rho <= 1.0 / 3.0) {
    return 1.0;
  }
  const double r = 1.0 - rho * rho;
  if (r >= 0) {
    return std::sqrt(r);
  }
  computable = false;
  return 1.0;
}

// Writes the values and the record of one location; returns whether it was computable.
bool RunLocation(const TProofContext& ctx, TLocation location, TVEKProofTable& proofs,
                 TKeyTable<double>& proofValues) {
  const TKeyTable<double>& model = ctx.Model;
  const TLocationKeys& keys = kLocationKeys[static_cast<size_t>(location)];
  const TLocationForces force = ForcesAt(ctx.Env, location);
  if (location == TLocation::A) {
    proofValues.Add("V_zd_A", force.V_z);
  }

  const double rho_z = force.V_z / model["V_plzd"];
  const double rho_y = force.V_y / model["V_plyd"];
  const double e = (model["z_s"] - model["z_0"]) / 1000;
  double m_0;
  if (location == TLocation::C) {
    const double a = model["c_nom_i"] + ctx.In.F / 2 - model["i"] / 2;
    m_0 = std::abs(force.M_y + force.V_z * a / 1000 - force.N * e);
  } else {
    m_0 = std::abs(force.M_y - force.N * e);
  }

  bool computable = true;
  const double s_1 = ShearReduction(rho_z, computable);
  const double s_2 = ShearReduction(rho_y, computable);
  const double m_red = model["M_plyd"] * s_1 * s_2;

  const double bb = model["BB"];
  const double p =
      m_red * (force.N * force.N / 4 + Square(1000 * force.M_z) / (bb * bb)) * 2 * 1000;
  const double q = ctx.Values["f_ysd"] * model["t"] * s_1 * s_2 / 1000;
  const double eta = (1000 * m_0 + std::sqrt(p / q + Square(1000 * m_0))) / (2 * 1000 * m_red);

  proofValues.Add(keys.Rho_z, rho_z);
  proofValues.Add(keys.Rho_y, rho_y);
  proofValues.Add(keys.M_0, m_0);
  proofValues.Add(keys.S_1, s_1);
  proofValues.Add(keys.S_2, s_2);
  proofValues.Add(keys.M_red, m_red);
  proofValues.Add(keys.Eta, eta);

  TVEKProof proof;
  proof.Value5 = ctx.In.DeltaBStr;
  if (computable) {
    proof.IsProof = IsUtilisationMet(eta);
    proof.Value1 = eta;
    proof.Value2 = 1.0;
    proof.Value3 = false;
    proof.Operator = "<=";
  } else {
    proof.IsProof = false;
    proof.Value1 = 0;
    proof.Value2 = 0;
    proof.Value3 = true;
    proof.Operator = "!";
  }
  proofs.Add(keys.Record, proof);
  return computable;
}

}  // namespace

double Epsilon(double f_ysk) {
  return std::sqrt(kEpsilonReferenceStrength / f_ysk * kE / kEpsilonReferenceModulus);
}

void RunStructuralSafetyProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                               TKeyTable<double>& proofValues, TStructuralSafetySummary& summary) {
  summary.CompSign.clear();
  summary.IsWorkloadCalculate = true;
  double minValue1 = 0;
  for (TLocation location : {TLocation::A, TLocation::B, TLocation::C}) {
    const bool computable = RunLocation(ctx, location, proofs, proofValues);
    summary.CompSign += computable ? '0' : '1';
    if (!computable) {
      summary.IsWorkloadCalculate = false;
    }
    const double value1 = proofs[kLocationKeys[static_cast<size_t>(location)].Record].Value1;
    // An undefined utilisation makes the smallest one undefined as well.
    if (location == TLocation::A || std::isnan(value1) || value1 < minValue1) {
      minValue1 = value1;
    }
  }
  summary.MinStructuralSafety = 100 * minValue1;
}

void RunBucklingProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                       TKeyTable<double>& proofValues) {
  const TKeyTable<double>& model = ctx.Model;
  const std::string& label = ctx.In.DeltaBStr;
  const double epsilon = Epsilon(ctx.In.F_ysk);
  const double t = model["t"];
  const double r_ = model["r_"];

  const double topChord = (model["b_2"] - (t + r_)) / t;
  const double topChordLimit = 9 * epsilon;
  proofValues.Add("ahead_buckling_top_chord", topChord);
  proofValues.Add("edge_buckling_top_chord", topChordLimit);
  const TVEKProof top = AtMostProof(topChord, topChordLimit, label);
  proofs.Add("3.3.1_buckling_1", top);

  const double web = (model["h"] - 2 * (t + r_)) / t;
  const double webLimit = 33 * epsilon;
  proofValues.Add("ahead_buckling_web", web);
  proofValues.Add("edge_buckling_web", webLimit);
  const TVEKProof webProof = AtMostProof(web, webLimit, label);
  proofs.Add("3.3.2_buckling_2", webProof);

  const double bottomChord = (model["b_1"] - 2 * (t + r_)) / t;
  const double bottomChordLimit = 33 * epsilon;
  proofValues.Add("ahead_buckling_bottom_chord", bottomChord);
  proofValues.Add("edge_buckling_bottom_chord", bottomChordLimit);
  const TVEKProof bottom = AtMostProof(bottomChord, bottomChordLimit, label);
  proofs.Add("3.3.3_buckling_3", bottom);

  TVEKProof sum = bottom;
  sum.IsProof = top.IsProof && webProof.IsProof && bottom.IsProof;
  proofs.Add("3.3_buckling_sum", sum);
}

void RunWebSlendernessProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                             TKeyTable<double>& proofValues) {
  const TKeyTable<double>& model = ctx.Model;
  const std::string& label = ctx.In.DeltaBStr;
  const double t = model["t"];
  const double h = model["h"];

  const double web = (h - 2 * t) / t;
  const double webLimit = kWebSlendernessLimit * Epsilon(ctx.In.F_ysk);
  proofValues.Add("h_2t", web);
  proofValues.Add("h_2t_lim", webLimit);
  TVEKProof first = AtMostProof(web, webLimit, label);
  first.Value4 = webLimit;
  proofs.Add("5.2.1_web_1", first);

  const double webFlange = std::sqrt(model["b_1"] * (h - 2 * t)) / t;
  const double webFlangeLimit = kWebBottomFlangeLimit;
  proofValues.Add("h_2t_b1", webFlange);
  proofValues.Add("h_2t_b1_lim", webFlangeLimit);
  TVEKProof second = AtMostProof(webFlange, webFlangeLimit, label);
  second.Value4 = webFlangeLimit;
  proofs.Add("5.2.2_web_2", second);

  // Nothing reads the values of the sum; it carries those of the second proof, whose
  // limit is never 1, so that it never counts as a utilisation.
  TVEKProof sum = second;
  sum.IsProof = first.IsProof && second.IsProof;
  sum.Value4 = 0;
  proofs.Add("5.2_web_sum", sum);
}

}  // namespace vek
