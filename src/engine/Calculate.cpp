// One calculation of the current variant (size, length, offset): the chain of steps,
// each gated by the completeness flag of the step before, then the result record.
#include <memory>

#include "engine/Proofs.h"
#include "engine/Vek.h"

namespace vek {

TVEKResult TVek::Calculate() {
  // Results made earlier keep their own proof table.
  FProofDB = std::make_shared<TVEKProofTable>();
  FProofValueDB.Clear();

  CalculateMaterialValues();
  PreCalculateModelDB(false);
  CalculateValueDB();
  CalculateVigoursMX();
  CalculateLoadCombinations();
  CalculateEnvelopes();

  TStructuralSafetySummary summary;
  if (FIsMaxMinLoading) {
    const TProofInputs inputs = MakeProofInputs(*this);
    RunAllProofs(TProofContext{inputs, FModelDB, FValueDB, FMinMaxLoadingDB}, *FProofDB,
                 FProofValueDB, summary);
  }
  return AssembleResult(summary);
}

}  // namespace vek
