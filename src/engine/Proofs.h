#pragma once

#include <limits>
#include <string>

#include "core/KeyTable.h"
#include "engine/LoadKeys.h"
#include "engine/VekResult.h"

namespace vek {

class TVek;

// What the proofs read from the design case. Lengths in mm, strengths in N/mm².
// The member initialisers are the defaults of a new design case.
struct TProofInputs {
  double F = 125;                                       // parapet thickness f
  double H_br = 1000;                                   // parapet height h_br
  double L = std::numeric_limits<double>::quiet_NaN();  // anchor length of this calculation
  double E_ = 150;                                      // gap e between slab edge and panel
  double F_ysk = 530;                                   // stainless strip (the profile)
  double F_yck = 450;                                   // stainless cast steel, yield
  double F_usk = 600;                                   // stainless steel, tensile
  double F_uck = 650;                                   // stainless cast steel, tensile
  double F_uk = 550;                                    // tensile strength used beside F_usk
  double F_ytk = 220;                                   // stainless bar
  double F_ywk = 220;                                   // stainless bar at welded connections
  double Redf_ybk = 210;  // reduced yield strength of the adjusting screw
  double G_t = 0.5;       // play of the X-washer teeth with their tolerance
  bool ModalityAdjustable = false;
  bool ZLineStandard = true;  // standard X-washer (variant 2); else custom-built (variant 1)
  std::string DeltaBStr;      // offset label "n", "p" or "m", copied into every record
};

// The tables one calculation has filled: model table, value table and envelopes.
struct TProofContext {
  const TProofInputs& In;
  const TKeyTable<double>& Model;
  const TKeyTable<double>& Values;
  const TEnvelopeTable& Env;
};

// What the structural-safety proofs tell the result record.
struct TStructuralSafetySummary {
  std::string CompSign;  // A, B, C: '1' where the utilisation is not computable
  bool IsWorkloadCalculate = true;
  double MinStructuralSafety = 0;  // percent; NaN when a utilisation is undefined
};

// Fixed values of the proofs, mm, N/mm² and dimensionless.
inline constexpr double kEpsilonReferenceStrength = 235.0;          // ε = 1 at this yield strength
inline constexpr double kEpsilonReferenceModulus = 210000.0;        // modulus behind the ε limits
inline constexpr double kWebSlendernessLimit = 46.833333333333336;  // times ε
inline constexpr double kWebBottomFlangeLimit = 150.9433962264151;  // independent of the steel
inline constexpr double kConcreteStrainLimit = 3.5;  // ‰, edge of the compression zone
inline constexpr double kSteelStrainLimit = 2.0;     // ‰, reinforcement
inline constexpr double kCompressionBlockFactor = 0.8;
inline constexpr double kGammaM0 = 1.0;   // steel partial factor inside some formulas
inline constexpr double kGammaM2 = 1.25;  // partial factor of welds and net sections
inline constexpr double kPunchingFactor = 1.8849555921538759;  // 0.6·π
inline constexpr double kSlabCapFactor = 3.0;      // concrete under the bearing: R <= 3·A_c0·f_cd
inline constexpr double kLengthAllowance = 16.0;   // anchor length check
inline constexpr double kBearingAllowance = 50.0;  // length and adjustment checks

// The inputs of the design case that the proofs read.
TProofInputs MakeProofInputs(const TVek& vek);

// ε = √(235 / f_ysk × 200000 / 210000).
double Epsilon(double f_ysk);

// Every proof of one calculation, in the order of writing: structural safety at A, B, C,
// local buckling, reinforcement, concrete and weld seams at C, lift-off, web slenderness,
// load introduction at A (adjustable anchors), slab concrete, flange and toothing at B,
// washer factors, washer proofs of the selected variant, geometry checks. Records go into
// proofs, intermediate values into proofValues; a key already present is an error.
void RunAllProofs(const TProofContext& ctx, TVEKProofTable& proofs, TKeyTable<double>& proofValues,
                  TStructuralSafetySummary& summary);

// The groups of RunAllProofs, each in its own order of writing.
// 3.1.1 to 3.1.3.
void RunStructuralSafetyProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                               TKeyTable<double>& proofValues, TStructuralSafetySummary& summary);
// 3.3.1 to 3.3.3 and 3.3_buckling_sum.
void RunBucklingProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                       TKeyTable<double>& proofValues);
// 4.1 to 4.3.
void RunLocationCProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                        TKeyTable<double>& proofValues);
// 5.1.
void RunLiftOffProof(const TProofContext& ctx, TVEKProofTable& proofs);
// 5.2.1, 5.2.2 and 5.2_web_sum.
void RunWebSlendernessProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                             TKeyTable<double>& proofValues);
// 5.3 to 5.6; writes nothing for an anchor that is not adjustable.
void RunLoadIntroductionProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                               TKeyTable<double>& proofValues);
// 5.7.
void RunSlabConcreteProof(const TProofContext& ctx, TVEKProofTable& proofs,
                          TKeyTable<double>& proofValues);
// 6.1 and 6.2.
void RunFlangeAndToothingProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                                TKeyTable<double>& proofValues);
// β_x, α_x, β_y, α_y into proofValues only.
void RunWasherFactors(const TProofContext& ctx, TKeyTable<double>& proofValues);
// The washer proofs of the variant selected by ZLineStandard; needs the washer factors.
void RunWasherProofs(const TProofContext& ctx, TVEKProofTable& proofs,
                     TKeyTable<double>& proofValues);
// "thickness", "height", "length" and, for an adjustable anchor, "adjust".
void RunGeometryChecks(const TProofContext& ctx, TVEKProofTable& proofs);

}  // namespace vek
