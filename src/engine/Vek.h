#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/KeyTable.h"
#include "engine/InternalForces.h"
#include "engine/LoadCombinations.h"
#include "engine/LoadKeys.h"
#include "engine/VekResult.h"
#include "engine/VekTypes.h"

namespace vek {

struct TStructuralSafetySummary;

// Lets a test program reach the private state of a design case. Each test file
// specialises it for a tag type of its own, so several files never collide.
template <class TTag>
struct TVekTestAccess;

// One design case: the parapet situation (panel, slab, anchor, loads, material and
// tolerance values), the tables its calculation fills, its results and its state.
// Unset reals hold NaN. Lengths in mm, wind geometry in m, area loads in kN/m²,
// line loads in kN/m, temperature in K, strengths in N/mm².
class TVek {
 public:
  TVek();                    // size 1
  explicit TVek(int model);  // defaults, then SetModel(model)
  // A new design case with the inputs of another one, without its results, tables or
  // state. Explicit, so that a design case is never copied by accident: passing or
  // returning one by value moves it with everything it holds.
  explicit TVek(const TVek& vek);
  TVek(TVek&&) = default;
  TVek& operator=(const TVek&) = delete;
  TVek& operator=(TVek&&) = default;
  ~TVek() = default;

  // --- Wall panel ---
  double GetF_ck() const { return Ff_ck; }
  void SetF_ck(std::int8_t value);
  double GetH_br() const { return Fh_br; }
  void SetH_br(double value);
  double GetL_br() const { return Fl_br; }
  void SetL_br(double value);
  double GetF() const { return Ff; }
  void SetF(double value);
  double GetL_0() const { return Fl_0; }
  void SetL_0(double value);
  double GetX() const { return Fx; }
  void SetX(double value);
  double GetE_() const { return Fe_; }
  void SetE_(double value);

  // --- Slab and fastener ---
  double GetH1() const { return Fh_1; }
  void SetH1(double value);
  double GetF_ck_CeilingTile() const { return Ff_ck_CeilingTile; }
  void SetF_ck_CeilingTile(std::int8_t value);
  bool GetAnchoringBaseCrackedConcrete() const { return FAnchoringBaseCrackedConcrete; }
  void SetAnchoringBaseCrackedConcrete(bool value);
  bool GetFixturesSpecialScrews() const { return FFixturesSpecialScrews; }
  void SetFixturesSpecialScrews(bool value);
  bool GetFixturesStainlessSteel() const { return FFixturesStainlessSteel; }
  void SetFixturesStainlessSteel(bool value);

  // --- Anchor choice ---
  int GetModel() const { return FModel; }
  void SetModel(int value);
  bool GetModelAutomatic() const { return FModelAutomatic; }
  void SetModelAutomatic(bool value);
  TVEKModelLength GetModelLengthMethod() const { return FModelLengthMethod; }
  void SetModelLengthMethod(TVEKModelLength value);
  double GetModelSpecialLength() const { return FModelSpecialLength; }
  void SetModelSpecialLength(double value);
  double GetL() const { return FL; }
  void SetL(double value);
  bool GetModalityAdjustable() const { return FModalityAdjustable; }
  void SetModalityAdjustable(bool value);
  TVEKAnchorVersion GetAnchorVersion() const { return FAnchorVersion; }
  void SetAnchorVersion(TVEKAnchorVersion value);
  bool GetIsRebarNr() const { return FIsRebarNR; }
  void SetIsRebarNr(bool value);
  TVEKSpecialAnchor GetSpecialAnchor() const { return FSpecialAnchor; }
  void SetSpecialAnchor(const TVEKSpecialAnchor& value);
  void SetDelta_B(double value);  // 0, +40 or -40; no getter, see GetDeltaBStr

  // --- Wind ---
  bool GetW_International() const { return FW_international; }
  void SetW_International(bool value);
  double GetW_p() const { return FW_p; }
  void SetW_p(double value);
  double GetW_n() const { return FW_n; }
  void SetW_n(double value);
  TVEKWindZone GetWindZone() const { return FWindZone; }
  void SetWindZone(TVEKWindZone value);
  TVEKRegion GetRegion() const { return FRegion; }
  void SetRegion(TVEKRegion value);
  TVEKBuildingHeight GetBuildingHeight() const { return FBuildingHeight; }
  void SetBuildingHeight(TVEKBuildingHeight value);
  double GetQ_p() const { return Fq_p; }
  void SetQ_p(double value);
  bool GetDetached() const { return FDetached; }
  void SetDetached(bool value);
  bool GetConservativeAssumptionDetached() const { return FConservativeAssumptionDetached; }
  void SetConservativeAssumptionDetached(bool value);
  double GetX_w() const { return Fx_w; }
  void SetX_w(double value);
  double GetH_w() const { return Fh_w; }
  void SetH_w(double value);
  double GetH_g() const { return Fh_g; }
  void SetH_g(double value);
  bool GetConservativeAssumptionNotDetached() const { return FConservativeAssumptionNotDetached; }
  void SetConservativeAssumptionNotDetached(bool value);
  double GetBuilding_h() const { return FBuilding_h; }
  void SetBuilding_h(double value);
  double GetBuilding_d() const { return FBuilding_d; }
  void SetBuilding_d(double value);
  char16_t GetBuildingArea() const { return FBuildingArea; }
  void SetBuildingArea(char16_t value);

  // --- Temperature and live loads ---
  double GetDelta_T() const { return FDelta_T; }
  void SetDelta_T(double value);
  double GetH_1k() const { return FH_1k; }
  void SetH_1k(double value);
  double GetA_1z() const { return Fa_1z; }
  void SetA_1z(double value);
  double GetH_2k() const { return FH_2k; }
  void SetH_2k(double value);
  double GetA_2z() const { return Fa_2z; }
  void SetA_2z(double value);
  double GetV_1k() const { return FV_1k; }
  void SetV_1k(double value);
  double GetA_1y() const { return Fa_1y; }
  void SetA_1y(double value);
  double GetV_2k() const { return FV_2k; }
  void SetV_2k(double value);
  double GetA_2y() const { return Fa_2y; }
  void SetA_2y(double value);

  // --- Material and tolerance values (follow the settings of the program run) ---
  double GetF_yk() const { return Ff_yk; }
  void SetF_yk(double value);
  double GetF_ysk() const { return Ff_ysk; }
  void SetF_ysk(double value);
  double GetF_yck() const { return Ff_yck; }
  void SetF_yck(double value);
  double GetF_ywk() const { return Ff_ywk; }
  void SetF_ywk(double value);
  double GetF_usk() const { return Ff_usk; }
  void SetF_usk(double value);
  double GetF_uk() const { return Ff_uk; }  // fixed, no setter
  double GetF_uck() const { return Ff_uck; }
  void SetF_uck(double value);
  double GetRedf_ybk() const { return Fredf_ybk; }
  void SetRedf_ybk(double value);
  double GetF_ytk() const { return Ff_ytk; }
  void SetF_ytk(double value);
  // The field holds twice the tolerance (the full slot play); the property is ±l_l.
  double GetL_l() const;
  void SetL_l(double value);
  double GetL_l_thrustBearingToFontEdge() const { return FL_l_thrustBearingToFontEdge; }
  void SetL_l_thrustBearingToFontEdge(double value);
  bool GetZLineStandard() const { return FZLineStandard; }
  void SetZLineStandard(bool value);
  double GetG_t() const { return Fg_t; }
  void SetG_t(double value);
  double GetF_t_() const { return Ff_t_; }
  void SetF_t_(double value);
  TVEKL GetLVek() const { return FLVek; }
  void SetLVek(const TVEKL& value);
  TVEKL GetLws() const { return FLws; }
  void SetLws(const TVEKL& value);

  // --- Design case operations ---
  bool IsSetAllUserInput() const;
  // Writes the default special anchor without marking results stale.
  void SetDefaultSpecialAnchor();
  std::string GetModelAlias() const;  // "1" to "8", "SK" for size 9
  std::string GetDeltaBStr() const { return FDeltaBStr; }
  // Model-table value "h"; the model table of the current size must be filled.
  double GetH() const;
  int GetResultSize() const;
  // Short designation of the smallest suitable anchor found by the search.
  std::string GetMinOkAnchor() const;

  // Fills the model table of the current size: only the product constants when
  // OnlyConstValue is true, otherwise (with complete inputs) also the derived values.
  void PreCalculateModelDB(bool OnlyConstValue);

  // Peak velocity pressure q_p (kN/m²) of the simplified wind procedure; 0 where the
  // table has no entry, the null real where it has no value.
  static double IdentifyQp(TVEKWindZone WindZone, TVEKRegion Region,
                           TVEKBuildingHeight BuildingHeight);

  // --- Results and calculation state ---
  static TVEKResult EmptyVEKResult();
  static bool IsVEKResultEmpty(const TVEKResult& result);
  // A missing table (none) counts as empty.
  static bool IsVekModelResultDBEmpty(const TVEKResultTable* table);
  bool IsCalculateDB() const { return FIsCalculateDB; }
  // The result table in CALCULATED and ASSIGNED; none (nullptr) in DEFAULT.
  const TVEKResultTable* GetVEKModelResultDB() const;
  TVEKResult GetSelectedVEKResult() const { return FSelectedVEKResult; }
  void SetSelectedVEKResult(const TVEKResult& result);
  std::string GetAssignedVek() const { return FAssigned; }
  void SetAssignedVek(const std::string& AssignedVek);
  TVEKState GetState() const { return FState; }
  void SetState(TVEKSignal signal);
  static std::string StateToStr(TVEKState state);
  void RunFsm();
  void StopFsm();
  std::string GetDefaultAssignedVek() const;

  // --- Calculation and search ---
  // The full chain for the current size, length, offset and inputs; every call makes a
  // new proof table, which the result shares.
  TVEKResult Calculate();
  // Merges the results at the offsets 0, +40 and −40 mm, in this argument order.
  TVEKResult Compare_Pos_B(const TVEKResult& VekResult1, const TVEKResult& VekResult2,
                           const TVEKResult& VekResult3) const;
  // Largest utilisation in percent with two decimals (ties to even); −1 without any.
  static double GetMaxWorkload(const TVEKProofTable& table);
  // Key of the decisive utilisation proof; "not found" without any.
  static std::string GetDecisiveProof(const TVEKProofTable& table);
  // The automatic search over sizes and lengths; ends with the signal CALC. An error
  // inside ends it at once, keeping the entries stored so far and the state.
  void CalculateDB();

  // --- Read access to the calculation tables (contents of the last calculation) ---
  const TKeyTable<double>& GetValueDB() const { return FValueDB; }
  const TKeyTable<double>& GetModelDB() const { return FModelDB; }
  const TVigoursMX& GetVigoursMX() const { return FVigoursMX; }
  const TLoadingMX& GetLoadingMX() const { return FLoadingMX; }
  const TEnvelopeTable& GetMinMaxLoadingDB() const { return FMinMaxLoadingDB; }
  TVEKProofTableRef GetProofDB() const { return FProofDB; }
  const TKeyTable<double>& GetProofValueDB() const { return FProofValueDB; }

 private:
  template <class TTag>
  friend struct TVekTestAccess;

  void InitDefaults();
  void ResetCalculated();
  // Store an input and mark results stale when it changed (a stored NaN always counts).
  void StoreStaleReal(double& field, double value);
  template <class T>
  void StoreStale(T& field, T value) {
    if (field != value) {
      ResetCalculated();
    }
    field = value;
  }
  static bool IsSpecialAnchorChanged(const TVEKSpecialAnchor& stored,
                                     const TVEKSpecialAnchor& value);
  bool IsDetachedGeometryKnown() const;
  bool IsBuildingGeometryKnown() const;

  // Design strengths and live-load totals into the value table.
  void CalculateMaterialValues();
  // Lever arms, reinforcement values and the actions into the value table.
  void CalculateValueDB();

  // Characteristic internal forces, combinations and envelopes; each needs the step
  // before to have completed and otherwise leaves its table and flag alone.
  void CalculateVigoursMX();
  void CalculateLoadCombinations();
  void AddLoadCombination(std::string_view name, const TActionFactors& factors);
  void CalculateEnvelopes();
  double GetEnvelopeValue(std::string_view designKey, TEnvelopeMode mode) const;

  // The result record of the current calculation.
  TVEKResult AssembleResult(const TStructuralSafetySummary& summary) const;

  // The first passing variant of a search.
  struct TSearchNote {
    bool Found = false;
    int Size = 0;
    double Length = 0;
  };
  // One variant at the three offsets, merged and stored (replacing an entry of the
  // same key, or adding it).
  void CalculateVariant(bool replace, TSearchNote& note);
  // The user's special length, capped by the current size's largest admitted length.
  double SpecialLengthOfSize();

  // Model table, material values and actions: private helpers
  // (begin)
  void AddStandardModelConstants();
  void AddSpecialAnchorModelConstants();
  void AddModelProfileValues();
  void AddModelResistances();
  void AddModelBearingValues();
  void AddLiveLoadTotals();
  void AddLeverArms();
  void AddSelfWeight();
  void AddDetachedWindCoefficients();
  void AddBuildingWindCoefficients();
  void AddWindForces();
  void AddTemperatureAction();
  // (end)

  // Inputs. Every constructor sets them through InitDefaults.

  // Wall panel
  double Ff_ck{};
  double Fh_br{};
  double Fl_br{};
  double Ff{};
  double Fl_0{};
  double Fx{};
  double Fe_{};

  // Slab and fastener
  double Fh_1{};
  double Ff_ck_CeilingTile{};
  bool FAnchoringBaseCrackedConcrete{};
  bool FFixturesSpecialScrews{};
  bool FFixturesStainlessSteel{};

  // Anchor choice
  int FModel{};  // set by every constructor
  bool FModelAutomatic{};
  TVEKModelLength FModelLengthMethod{};
  double FModelSpecialLength{};
  double FL{};
  bool FModalityAdjustable{};
  TVEKAnchorVersion FAnchorVersion{};
  bool FIsRebarNR{};
  TVEKSpecialAnchor FSpecialAnchor;
  double FDelta_B{};
  std::string FDeltaBStr;

  // Wind
  bool FW_international{};
  double FW_p{};
  double FW_n{};
  TVEKWindZone FWindZone{};
  TVEKRegion FRegion{};
  TVEKBuildingHeight FBuildingHeight{};
  double Fq_p{};
  bool FDetached{};
  bool FConservativeAssumptionDetached{};
  double Fx_w{};
  double Fh_w{};
  double Fh_g{};
  bool FConservativeAssumptionNotDetached{};
  double FBuilding_h{};
  double FBuilding_d{};
  char16_t FBuildingArea{};

  // Temperature and live loads
  double FDelta_T{};
  double FH_1k{};
  double Fa_1z{};
  double FH_2k{};
  double Fa_2z{};
  double FV_1k{};
  double Fa_1y{};
  double FV_2k{};
  double Fa_2y{};

  // Material and tolerance values
  double Ff_yk{};
  double Ff_ysk{};
  double Ff_yck{};
  double Ff_ywk{};
  double Ff_usk{};
  double Ff_uk{};
  double Ff_uck{};
  double Fredf_ybk{};
  double Ff_ytk{};
  double Fl_l{};
  double FL_l_thrustBearingToFontEdge{};
  bool FZLineStandard{};
  double Fg_t{};
  double Ff_t_{};
  TVEKL FLVek;
  TVEKL FLws;

  // Search results
  int FMinOkSize{};
  double FMinOkLength{};

  // Completeness of the steps of the current calculation
  bool FIsCalculateDB{};
  bool FIsValueDBCalculated{};
  bool FIsVigoursMXCalculated{};
  bool FIsLoadingMXCalculated{};
  bool FIsMaxMinLoading{};

  // Calculation state and assigned result
  TVEKState FState{};
  TVEKControl FControl{};
  std::string FAssigned;
  TVEKResult FSelectedVEKResult;

  // Calculation tables; each producer empties its table before filling it.
  TKeyTable<double> FValueDB;
  TKeyTable<double> FModelDB;
  TVigoursMX FVigoursMX;
  TLoadingMX FLoadingMX;
  TEnvelopeTable FMinMaxLoadingDB;
  TVEKProofTableRef FProofDB;  // made anew by each calculation, shared with its results
  TKeyTable<double> FProofValueDB;
  TVEKResultTable FVekModelResultDB;
};

}  // namespace vek
