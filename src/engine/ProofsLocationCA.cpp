// How the anchor is held at its ends: reinforcement, concrete and weld seams at the panel
// (C); lift-off, the load introduction of an adjustable anchor and the slab concrete at the
// front bearing (A).
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/DesignConstants.h"
#include "engine/ProofRecords.h"
#include "engine/Proofs.h"

namespace vek {

using proofs::ComparisonProof;
using proofs::IsComparisonMet;
using proofs::Square;
using proofs::UtilisationProof;

namespace {

constexpr double kSqrt3 = std::numbers::sqrt3;

void AddUtilisation(const TProofContext& ctx, TVEKProofTable& proofs,
                    TKeyTable<double>& proofValues, const char* record, const char* valueKey,
                    double eta, double value4) {
  proofValues.Add(valueKey, eta);
  proofs.Add(record, UtilisationProof(eta, value4, ctx.In.DeltaBStr));
}

// Bearing force at A in N.
double BearingForceA(const TProofContext& ctx) {
  return ctx.Env[Env("max|Fd|-A_z_d")] * 1000;
}

}  // namespace

void RunLocationCProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                        TKeyTable<double>& proofValues) {
  const TKeyTable<double>& model = ctx.Model;
  const TKeyTable<double>& values = ctx.Values;
  const double m = std::abs(ctx.Env[Env("max|Fd|-M_y_d_C")]) * 1000000;  // Nmm
  const double z = model["i"] - model["phi"];                            // lever arm
  const double f_yd = values["f_yd"];
  const double a_s = values["A_s"];
  const double f_cd = values["f_cd"];

  const double reinforcement = z * f_yd * a_s;
  AddUtilisation(ctx, proofs, proofValues, "4.1_reinforcement", "value_reinforcement",
                 m / reinforcement, f_yd);

  const double x = values["d"] * kConcreteStrainLimit / (kConcreteStrainLimit + kSteelStrainLimit);
  const double concrete = z * kSqrt3 * f_cd * kCompressionBlockFactor *
                          (a_s * kE / values["E_cm"] + (model["phi"] + model["b_1"]) * x);
  AddUtilisation(ctx, proofs, proofValues, "4.2_concrete", "value_concrete", m / concrete, f_cd);

  const double f_u = std::min(ctx.In.F_usk, ctx.In.F_uk);
  const double weldSeam = z * 4 * model["a_w"] * model["l_w"] * f_u / kSqrt3 / kGammaM2;
  AddUtilisation(ctx, proofs, proofValues, "4.3_weldseam", "value_weldseam", m / weldSeam, f_u);
}

void RunLiftOffProof(const TProofContext& ctx, TVEKProofTable& proofs) {
  // The smallest design bearing force over all fundamental combinations must stay positive.
  const double minBearing = ctx.Env[Env("minFd-A_z_d")];
  proofs.Add("5.1_takeoff", ComparisonProof(IsComparisonMet(minBearing > 0, minBearing, 0),
                                            minBearing, 0, ">", ctx.In.DeltaBStr));
}

void RunLoadIntroductionProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                               TKeyTable<double>& proofValues) {
  if (!ctx.In.ModalityAdjustable) {
    return;
  }
  const TKeyTable<double>& model = ctx.Model;
  const TProofInputs& in = ctx.In;
  const double f = BearingForceA(ctx);
  const double a_ = model["_a"];
  const double d_1 = model["d_1"];
  const double u = model["u"];
  const double e_a = a_ - d_1;

  const double plate = Square(f / (in.F_ytk / kGammaM0)) *
                       (Square(1.5 * (model["b_1"] - 2 * model["t"]) / (e_a * (u * u))) +
                        3 * Square(0.75 / (u * e_a)));
  AddUtilisation(ctx, proofs, proofValues, "5.3_local_load_introduction_3",
                 "value_local_load_introduction_3", plate, in.F_ytk);

  const double welds = (f / (a_ * 2 * model["a_w"])) / (in.F_ywk / kGammaM2 / kGammaM0 / kSqrt3);
  AddUtilisation(ctx, proofs, proofValues, "5.4_local_load_introduction_4",
                 "value_local_load_introduction_4", welds, in.F_ywk);

  const double screw = f / (model["A_Sp=S"] * model["chi"] * in.Redf_ybk / kGammaM0);
  AddUtilisation(ctx, proofs, proofValues, "5.5_local_load_introduction_5",
                 "value_local_load_introduction_5", screw, in.Redf_ybk);

  const double punching = f / (model["s_"] * d_1 * kPunchingFactor * in.F_usk / kGammaM2);
  AddUtilisation(ctx, proofs, proofValues, "5.6_local_load_introduction_6",
                 "value_local_load_introduction_6", punching, in.F_usk);
}

void RunSlabConcreteProof(const TProofContext& ctx, TVEKProofTable& proofs,
                          TKeyTable<double>& proofValues) {
  const double f_cd_deck = ctx.Values["f_cd_deck"];
  const double a_c0 = ctx.Model["A_c0"];
  const double a_c1 = ctx.Model["A_c1"];
  // The spread over the distribution area is capped at three times the loaded area.
  const double resistance =
      std::min(f_cd_deck * a_c0 * std::sqrt(a_c1 / a_c0), kSlabCapFactor * a_c0 * f_cd_deck);
  AddUtilisation(ctx, proofs, proofValues, "5.7_local_load_introduction_7",
                 "value_local_load_introduction_7", BearingForceA(ctx) / resistance, f_cd_deck);
}

}  // namespace vek
