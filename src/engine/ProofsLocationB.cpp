// The rear tension bearing (B): flange and toothing under the bearing forces, and the
// X-washer connection in bearing, in z-direction and in combined x-y direction.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/ProofRecords.h"
#include "engine/Proofs.h"

namespace vek {

using proofs::Square;
using proofs::UtilisationProof;

namespace {

constexpr double kSqrt3 = std::numbers::sqrt3;
// π/4 of the net washer area, in extended precision.
constexpr long double kPiQuarterExtended = std::numbers::pi_v<long double> / 4;

void AddUtilisation(const TProofContext& ctx, TVEKProofTable& proofs,
                    TKeyTable<double>& proofValues, const char* record, const char* valueKey,
                    double eta, double value4) {
  proofValues.Add(valueKey, eta);
  proofs.Add(record, UtilisationProof(eta, value4, ctx.In.DeltaBStr));
}

// β of a washer edge: e_2/d_l − 0.5 held within 0.3 to 1. A ratio that is not a number
// stays undefined, so that the proof using it fails.
double WasherBeta(double e_2ByD_l) {
  double beta = e_2ByD_l - 0.5;
  if (beta >= 1) {
    beta = 1;
  }
  if (beta <= 0.3) {
    beta = 0.3;
  }
  return beta;
}

double WasherAlpha(double e_1ByD_l) {
  return 1.32 * e_1ByD_l - 0.12 - 0.16 * (e_1ByD_l * e_1ByD_l);
}

// The forces at B and the washer geometry shared by both variants.
struct TWasher {
  double B_x, B_y, B_z, B_y_;  // kN; B_y_ = B_y · alpha_red
  double k, s;                 // c_t − d_l, s_t − t_t
  double l_t, c_t, d_l, t_t, s_t, d_s, W_ZU;
};

TWasher WasherOf(const TProofContext& ctx) {
  const TKeyTable<double>& model = ctx.Model;
  TWasher w{};
  w.B_x = ctx.Env[Env("max|Fd|-B_x_d")];
  w.B_y = ctx.Env[Env("max|Fd|-B_y_d")];
  w.B_z = ctx.Env[Env("max|Fd|-B_z_d")];
  w.B_y_ = w.B_y * ctx.Values["alpha_red"];
  w.l_t = model["l_t"];
  w.c_t = model["c_t"];
  w.d_l = model["d_l"];
  w.t_t = model["t_t"];
  w.s_t = model["s_t"];
  w.d_s = model["d_s"];
  w.W_ZU = model["W_ZU"];
  w.k = w.c_t - w.d_l;
  w.s = w.s_t - w.t_t;
  return w;
}

// 3·U² + V² of the z-direction proof; the same for both variants.
double ZDirectionTerms(const TProofContext& ctx, const TWasher& w) {
  const double S = ctx.Model["S"];
  const double s_tt_t = ctx.Model["s_t-t_t"];
  const double a_n = static_cast<double>(static_cast<long double>(w.l_t * w.c_t) -
                                         kPiQuarterExtended * static_cast<long double>(S * S));
  const double u = a_n * 3 / 4 / w.c_t / (w.l_t * w.l_t) / s_tt_t;
  const double v =
      (w.c_t - S) * a_n * 6 / 2 / kGammaM2 / 2 / 2 / w.c_t / (w.l_t * w.l_t) / (s_tt_t * s_tt_t);
  return 3 * (u * u) + v * v;
}

double Equivalent(double tau, double sigma) {
  return 3 * (tau * tau) + sigma * sigma;
}

// Keys of the bearing and z-direction proofs, which both washer variants share.
struct TWasherKeys {
  const char* X;
  const char* XValue;
  const char* Y;
  const char* YValue;
  const char* Z;
  const char* ZValue;
};

// Bearing in x and y and the equivalent stress in z with the variant's strengths.
void RunBearingAndZProofs(const TProofContext& ctx, const TWasher& w, const TWasherKeys& keys,
                          double f_uc, double f_y, double zValue4, TVEKProofTable& proofs,
                          TKeyTable<double>& proofValues) {
  const double alpha_x = proofValues["x_alpha_washer"];
  const double beta_x = proofValues["x_beta_washer"];
  const double alpha_y = proofValues["y_alpha_washer"];
  const double beta_y = proofValues["y_beta_washer"];

  const double x = (1000 * w.B_x) / (alpha_x * w.d_s * w.s * f_uc / kGammaM2) / beta_x;
  AddUtilisation(ctx, proofs, proofValues, keys.X, keys.XValue, x, 0);

  const double y = (1000 * w.B_y) / (beta_y * alpha_y * w.d_s * w.s * f_uc / kGammaM2);
  AddUtilisation(ctx, proofs, proofValues, keys.Y, keys.YValue, y, 0);

  const double z = Square(1000 * w.B_z / (kGammaM0 * f_y)) * ZDirectionTerms(ctx, w);
  AddUtilisation(ctx, proofs, proofValues, keys.Z, keys.ZValue, z, zValue4);
}

// Standard X-washer in cast steel.
void RunVariant2(const TProofContext& ctx, const TWasher& w, TVEKProofTable& proofs,
                 TKeyTable<double>& proofValues) {
  const TProofInputs& in = ctx.In;
  const double f_y = in.F_yck;
  RunBearingAndZProofs(ctx, w,
                       {"6.3.1_x_direction_variant_2", "value_x_direction_variant_2",
                        "6.3.2_y_direction_variant_2", "value_y_direction_variant_2",
                        "6.4.3_z_direction_variant_2_3", "value_z_direction_variant_2_3"},
                       in.F_uck, f_y, in.F_yck, proofs, proofValues);

  const double tau = w.B_y_ * 1.5 * kSqrt3 / w.k / w.s;
  const double sigma = (w.l_t + in.G_t) * (w.B_y_ / 4 / kGammaM2) / w.W_ZU + w.B_x / w.k / w.s +
                       (w.s_t / 2 - w.t_t / 2) * 6 * w.B_x / kGammaM2 / w.k / (w.s * w.s);
  const double xy = Square(500 / (kGammaM0 * f_y)) * Equivalent(tau, sigma);
  AddUtilisation(ctx, proofs, proofValues, "6.5.3_x_y_direction_variant_2_3",
                 "value_x_y_direction_variant_2_3", xy, in.F_yck);
}

// Custom-built X-washer in stainless strip.
void RunVariant1(const TProofContext& ctx, const TWasher& w, TVEKProofTable& proofs,
                 TKeyTable<double>& proofValues) {
  const TProofInputs& in = ctx.In;
  const double f_y = in.F_ysk;
  RunBearingAndZProofs(ctx, w,
                       {"6.3.1_x_direction_variant_1", "value_x_direction_variant_1",
                        "6.3.2_y_direction_variant_1", "value_y_direction_variant_1",
                        "6.4.3_z_direction_variant_1_3", "value_z_direction_variant_1_3"},
                       in.F_usk, f_y, 0, proofs, proofValues);

  const double tau1 = w.B_y_ * 1.5 / w.d_l / w.t_t;
  const double sigma1 = ctx.Model["alpha_1"] * (w.B_y_ * 6 / kGammaM2 / w.t_t / (w.d_l * w.d_l)) +
                        w.B_x / w.d_l / w.t_t +
                        (w.s_t / 2) * 6 * w.B_x / kGammaM2 / w.d_l / (w.t_t * w.t_t);
  const double xy1 = Square(500 / (kGammaM0 * f_y)) * Equivalent(tau1, sigma1);
  AddUtilisation(ctx, proofs, proofValues, "6.5.3_x_y_direction_variant_1_3",
                 "value_x_y_direction_variant_1_3", xy1, 0);

  const double tau2 = w.B_y_ * 1.5 / w.k / w.s;
  const double sigma2 = ctx.Model["alpha_2"] * (w.B_y_ / kGammaM2 / w.W_ZU) + w.B_x / w.k / w.s +
                        (w.s_t / 2) * 6 * w.B_x / kGammaM2 / w.k / (w.s * w.s);
  const double xy2 = Square(500 / (kGammaM0 * in.F_ysk)) * Equivalent(tau2, sigma2);
  AddUtilisation(ctx, proofs, proofValues, "6.5.4_x_y_direction_variant_1_4",
                 "value_x_y_direction_variant_1_4", xy2, 0);
}

}  // namespace

void RunFlangeAndToothingProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                                TKeyTable<double>& proofValues) {
  const TKeyTable<double>& model = ctx.Model;
  const TProofInputs& in = ctx.In;
  const double t = model["t"];
  const double c_t = model["c_t"];
  const double d_l = model["d_l"];
  const double l_t = model["l_t"];

  const double m = (model["b_1"] - t - d_l) / 2;
  const double g = (m - 0.375 * (c_t - d_l)) * 0.4;
  const double w = (m - (c_t - d_l) / 4) * 5;
  const double flange = Square(1000 * ctx.Env[Env("max|Fd|-B_z_d")] * kGammaM0 / in.F_ysk) *
                        (Square(6 * g / (l_t + w) / (t * t)) + 3 * Square(0.75 / t / (l_t + w)));
  AddUtilisation(ctx, proofs, proofValues, "6.1_local_load_application_3",
                 "value_local_load_application_3", flange, in.F_ysk);

  const double h_t = model["h_t"];
  const double a = model["n_t"] * model["b_t"] * (h_t - in.G_t) / (2 * h_t) * 0.8;
  const double f_y = std::min(in.F_ysk, in.F_yck);
  const double toothing =
      (ctx.Env[Env("max|Fd|-B_x_d")] / 4) / (a * std::min(t, model["t_t"])) / (f_y / kSqrt3) * 1000;
  AddUtilisation(ctx, proofs, proofValues, "6.2_local_load_application_4",
                 "value_local_load_application_4", toothing, f_y);
}

void RunWasherFactors(const TProofContext& ctx, TKeyTable<double>& proofValues) {
  const TKeyTable<double>& model = ctx.Model;
  proofValues.Add("x_beta_washer", WasherBeta(model["e_2x/d_l"]));
  proofValues.Add("x_alpha_washer", WasherAlpha(model["e_1x/d_l"]));
  proofValues.Add("y_beta_washer", WasherBeta(model["e_2y/d_l"]));
  proofValues.Add("y_alpha_washer", WasherAlpha(model["e_1y/d_l"]));
}

void RunWasherProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                     TKeyTable<double>& proofValues) {
  const TWasher washer = WasherOf(ctx);
  if (ctx.In.ZLineStandard) {
    RunVariant2(ctx, washer, proofs, proofValues);
  } else {
    RunVariant1(ctx, washer, proofs, proofValues);
  }
}

}  // namespace vek
