#include "engine/Proofs.h"

#include "engine/Vek.h"

namespace vek {

TProofInputs MakeProofInputs(const TVek& vek) {
  TProofInputs in;
  in.F = vek.GetF();
  in.H_br = vek.GetH_br();
  in.L = vek.GetL();
  in.E_ = vek.GetE_();
  in.F_ysk = vek.GetF_ysk();
  in.F_yck = vek.GetF_yck();
  in.F_usk = vek.GetF_usk();
  in.F_uck = vek.GetF_uck();
  in.F_uk = vek.GetF_uk();
  in.F_ytk = vek.GetF_ytk();
  in.F_ywk = vek.GetF_ywk();
  in.Redf_ybk = vek.GetRedf_ybk();
  in.G_t = vek.GetG_t();
  in.ModalityAdjustable = vek.GetModalityAdjustable();
  in.ZLineStandard = vek.GetZLineStandard();
  in.DeltaBStr = vek.GetDeltaBStr();
  return in;
}

void RunAllProofs(const TProofContext& ctx, TVEKProofTable& proofs, TKeyTable<double>& proofValues,
                  TStructuralSafetySummary& summary) {
  RunStructuralSafetyProofs(ctx, proofs, proofValues, summary);
  RunBucklingProofs(ctx, proofs, proofValues);
  RunLocationCProofs(ctx, proofs, proofValues);
  RunLiftOffProof(ctx, proofs);
  RunWebSlendernessProofs(ctx, proofs, proofValues);
  RunLoadIntroductionProofs(ctx, proofs, proofValues);
  RunSlabConcreteProof(ctx, proofs, proofValues);
  RunFlangeAndToothingProofs(ctx, proofs, proofValues);
  RunWasherFactors(ctx, proofValues);
  RunWasherProofs(ctx, proofs, proofValues);
  RunGeometryChecks(ctx, proofs);
}

}  // namespace vek
