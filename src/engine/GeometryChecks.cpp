// Geometry checks of a variant: they do not count as proofs but raise the geometry warning.
#include "engine/ProofRecords.h"
#include "engine/Proofs.h"

namespace vek {

using proofs::AtLeastProof;

void RunGeometryChecks(const TProofContext& ctx, TVEKProofTable& proofs) {
  const TKeyTable<double>& model = ctx.Model;
  const TProofInputs& in = ctx.In;
  const std::string& label = in.DeltaBStr;

  proofs.Add("thickness", AtLeastProof(in.F, model["f_min"], label));
  proofs.Add("height", AtLeastProof(in.H_br, model["h_br_min"], label));

  // Room left for the anchor between the bearing plate at the front and the slotted hole.
  const double c = in.ModalityAdjustable ? model["_a"] : model["_c"];
  const double length =
      in.L - kLengthAllowance - model["l_slot"] - model["t_e"] - kBearingAllowance - c / 2 - in.E_;
  proofs.Add("length", AtLeastProof(length, 0, label));

  if (in.ModalityAdjustable) {
    const double adjust = in.E_ - model["_a"] / 2 + kBearingAllowance;
    proofs.Add("adjust", AtLeastProof(adjust, 0, label));
  }
}

}  // namespace vek
