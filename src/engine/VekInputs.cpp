// Construction, defaults and the input setters of a design case. A setter marks earlier
// results stale (ResetCalculated) when the value really changes; the inputs that only
// steer the search or feed no calculation step store without that.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Vek.h"

namespace vek {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A stored NaN counts as a change, whatever the new value.
bool IsRealChanged(double stored, double value) {
  return std::isnan(stored) || stored != value;
}

// Standard lengths of the adjusting screw and of the weld seam, sizes 1 to 8.
constexpr TVEKL kDefaultLVek{{50, 50, 55, 60, 70, 70, 80, 80}};
constexpr TVEKL kDefaultLws{{29, 33, 35, 45, 47, 62, 48, 46}};

}  // namespace

TVek::TVek() : TVek(1) {}

TVek::TVek(int model) {
  InitDefaults();
  SetModel(model);
}

TVek::TVek(const TVek& vek) {
  InitDefaults();
  SetModel(vek.GetModel());
  // Through the setters and in this order; a NaN of the source keeps the default here.
  auto copyReal = [](double value, auto setter) {
    if (!std::isnan(value)) {
      setter(value);
    }
  };
  auto wholeNumber = [](double value) { return static_cast<std::int8_t>(std::trunc(value)); };
  copyReal(vek.GetF_ck(), [&](double v) { SetF_ck(wholeNumber(v)); });
  copyReal(vek.GetH_br(), [&](double v) { SetH_br(v); });
  copyReal(vek.GetL_br(), [&](double v) { SetL_br(v); });
  copyReal(vek.GetF(), [&](double v) { SetF(v); });
  copyReal(vek.GetL_0(), [&](double v) { SetL_0(v); });
  copyReal(vek.GetX(), [&](double v) { SetX(v); });
  copyReal(vek.GetE_(), [&](double v) { SetE_(v); });
  copyReal(vek.GetH1(), [&](double v) { SetH1(v); });
  SetModelLengthMethod(vek.GetModelLengthMethod());
  copyReal(vek.GetModelSpecialLength(), [&](double v) { SetModelSpecialLength(v); });
  copyReal(vek.GetL(), [&](double v) { SetL(v); });
  SetModelAutomatic(vek.GetModelAutomatic());
  SetDetached(vek.GetDetached());
  copyReal(vek.GetX_w(), [&](double v) { SetX_w(v); });
  copyReal(vek.GetH_w(), [&](double v) { SetH_w(v); });
  copyReal(vek.GetH_g(), [&](double v) { SetH_g(v); });
  SetBuildingArea(vek.GetBuildingArea());
  copyReal(vek.GetBuilding_h(), [&](double v) { SetBuilding_h(v); });
  copyReal(vek.GetBuilding_d(), [&](double v) { SetBuilding_d(v); });
  copyReal(vek.GetQ_p(), [&](double v) { SetQ_p(v); });
  copyReal(vek.GetW_p(), [&](double v) { SetW_p(v); });
  copyReal(vek.GetW_n(), [&](double v) { SetW_n(v); });
  copyReal(vek.GetDelta_T(), [&](double v) { SetDelta_T(v); });
  copyReal(vek.GetH_1k(), [&](double v) { SetH_1k(v); });
  copyReal(vek.GetA_1z(), [&](double v) { SetA_1z(v); });
  copyReal(vek.GetH_2k(), [&](double v) { SetH_2k(v); });
  copyReal(vek.GetA_2z(), [&](double v) { SetA_2z(v); });
  copyReal(vek.GetV_1k(), [&](double v) { SetV_1k(v); });
  copyReal(vek.GetA_1y(), [&](double v) { SetA_1y(v); });
  copyReal(vek.GetV_2k(), [&](double v) { SetV_2k(v); });
  copyReal(vek.GetA_2y(), [&](double v) { SetA_2y(v); });
  SetModalityAdjustable(vek.GetModalityAdjustable());
  SetAnchorVersion(vek.GetAnchorVersion());
  SetIsRebarNr(vek.GetIsRebarNr());
  SetAnchoringBaseCrackedConcrete(vek.GetAnchoringBaseCrackedConcrete());
  copyReal(vek.GetF_ck_CeilingTile(), [&](double v) { SetF_ck_CeilingTile(wholeNumber(v)); });
  SetFixturesSpecialScrews(vek.GetFixturesSpecialScrews());
  SetFixturesStainlessSteel(vek.GetFixturesStainlessSteel());
  SetBuildingHeight(vek.GetBuildingHeight());
  SetWindZone(vek.GetWindZone());
  SetRegion(vek.GetRegion());
  SetConservativeAssumptionDetached(vek.GetConservativeAssumptionDetached());
  SetConservativeAssumptionNotDetached(vek.GetConservativeAssumptionNotDetached());
  copyReal(vek.GetF_yk(), [&](double v) { SetF_yk(v); });
  copyReal(vek.GetF_ysk(), [&](double v) { SetF_ysk(v); });
  copyReal(vek.GetF_yck(), [&](double v) { SetF_yck(v); });
  copyReal(vek.GetF_ywk(), [&](double v) { SetF_ywk(v); });
  copyReal(vek.GetF_usk(), [&](double v) { SetF_usk(v); });
  copyReal(vek.GetF_uck(), [&](double v) { SetF_uck(v); });
  // Through the getter: the setter doubles it again, so the field is copied unchanged.
  copyReal(vek.GetL_l(), [&](double v) { SetL_l(v); });
  copyReal(vek.GetL_l_thrustBearingToFontEdge(),
           [&](double v) { SetL_l_thrustBearingToFontEdge(v); });
  SetZLineStandard(vek.GetZLineStandard());
  copyReal(vek.GetF_t_(), [&](double v) { SetF_t_(v); });
  copyReal(vek.GetG_t(), [&](double v) { SetG_t(v); });
  SetSpecialAnchor(vek.GetSpecialAnchor());
}

void TVek::InitDefaults() {
  FState = TVEKState::DEFAULT;
  FControl = TVEKControl::RUN;
  FVekModelResultDB.Clear();
  FModelAutomatic = true;
  FModelLengthMethod = TVEKModelLength::AUTOMATIC_MODEL_LENGTH;
  FModelSpecialLength = 500;

  // Wall panel
  Ff_ck = 30;
  Fh_br = 1000;
  Fl_br = 2500;
  Ff = 125;
  Fl_0 = 1500;
  Fx = 200;
  Fe_ = 150;
  // Anchor choice
  FL = kNaN;
  FModalityAdjustable = false;
  FAnchorVersion = TVEKAnchorVersion::NORMAL;
  FIsRebarNR = false;
  FDelta_B = 0;
  FDeltaBStr.clear();
  // Slab and fastener
  Fh_1 = 160;
  Ff_ck_CeilingTile = 20;
  FAnchoringBaseCrackedConcrete = true;
  FFixturesSpecialScrews = true;
  FFixturesStainlessSteel = true;
  // Wind
  FW_international = true;
  FW_p = 1.12;
  FW_n = 0.8;
  FWindZone = TVEKWindZone::UNSET_WZ;
  FRegion = TVEKRegion::UNSET_REGION;
  FBuildingHeight = TVEKBuildingHeight::UNSET_BUILDING_HEIGHT;
  Fq_p = kNaN;
  FDetached = true;
  FConservativeAssumptionDetached = true;
  Fx_w = kNaN;
  Fh_w = kNaN;
  Fh_g = kNaN;
  FConservativeAssumptionNotDetached = true;
  FBuilding_h = kNaN;
  FBuilding_d = kNaN;
  FBuildingArea = u'z';  // stored as is: no area selected
  // Temperature and live loads
  FDelta_T = 70;
  FH_1k = 0;
  Fa_1z = 0;
  FH_2k = 0;
  Fa_2z = 0;
  FV_1k = 0;
  Fa_1y = 0;
  FV_2k = 0;
  Fa_2y = 0;

  FAssigned.clear();
  FSelectedVEKResult = EmptyVEKResult();

  // Material and tolerance values
  Ff_yk = 500;
  Ff_ytk = 220;
  Ff_ysk = 530;
  Ff_yck = 450;
  Ff_ywk = std::min(Ff_ytk, Ff_ysk);
  Ff_usk = 600;
  Ff_uk = 550;
  Ff_uck = 650;
  Fredf_ybk = 210;
  Fl_l = 2 * 40.0;
  FL_l_thrustBearingToFontEdge = 50;
  FZLineStandard = true;
  Fg_t = 0.5;
  Ff_t_ = 1.0;
  FLVek = kDefaultLVek;
  FLws = kDefaultLws;

  FIsValueDBCalculated = false;
  FIsVigoursMXCalculated = false;
  FIsCalculateDB = false;
  FMinOkSize = 0;
  FMinOkLength = 0;
  SetDefaultSpecialAnchor();
}

void TVek::ResetCalculated() {
  FIsValueDBCalculated = false;
  FIsVigoursMXCalculated = false;
  FIsLoadingMXCalculated = false;
  FIsMaxMinLoading = false;
  FIsCalculateDB = false;
}

void TVek::StoreStaleReal(double& field, double value) {
  if (IsRealChanged(field, value)) {
    ResetCalculated();
  }
  field = value;
}

void TVek::SetH_br(double value) {
  StoreStaleReal(Fh_br, value);
}
void TVek::SetL_br(double value) {
  StoreStaleReal(Fl_br, value);
}
void TVek::SetF(double value) {
  StoreStaleReal(Ff, value);
}
void TVek::SetL_0(double value) {
  StoreStaleReal(Fl_0, value);
}
void TVek::SetX(double value) {
  StoreStaleReal(Fx, value);
}
void TVek::SetE_(double value) {
  StoreStaleReal(Fe_, value);
}
void TVek::SetH1(double value) {
  StoreStaleReal(Fh_1, value);
}
void TVek::SetModelSpecialLength(double value) {
  StoreStaleReal(FModelSpecialLength, value);
}
void TVek::SetW_p(double value) {
  StoreStaleReal(FW_p, value);
}
void TVek::SetW_n(double value) {
  StoreStaleReal(FW_n, value);
}
void TVek::SetQ_p(double value) {
  StoreStaleReal(Fq_p, value);
}
void TVek::SetDelta_T(double value) {
  StoreStaleReal(FDelta_T, value);
}
void TVek::SetH_1k(double value) {
  StoreStaleReal(FH_1k, value);
}
void TVek::SetA_1z(double value) {
  StoreStaleReal(Fa_1z, value);
}
void TVek::SetH_2k(double value) {
  StoreStaleReal(FH_2k, value);
}
void TVek::SetA_2z(double value) {
  StoreStaleReal(Fa_2z, value);
}
void TVek::SetV_1k(double value) {
  StoreStaleReal(FV_1k, value);
}
void TVek::SetA_1y(double value) {
  StoreStaleReal(Fa_1y, value);
}
void TVek::SetV_2k(double value) {
  StoreStaleReal(FV_2k, value);
}
void TVek::SetA_2y(double value) {
  StoreStaleReal(Fa_2y, value);
}
void TVek::SetF_yk(double value) {
  StoreStaleReal(Ff_yk, value);
}
void TVek::SetF_ysk(double value) {
  StoreStaleReal(Ff_ysk, value);
}
void TVek::SetF_yck(double value) {
  StoreStaleReal(Ff_yck, value);
}
void TVek::SetF_ywk(double value) {
  StoreStaleReal(Ff_ywk, value);
}
void TVek::SetF_usk(double value) {
  StoreStaleReal(Ff_usk, value);
}
void TVek::SetF_uck(double value) {
  StoreStaleReal(Ff_uck, value);
}
void TVek::SetRedf_ybk(double value) {
  StoreStaleReal(Fredf_ybk, value);
}
void TVek::SetF_ytk(double value) {
  StoreStaleReal(Ff_ytk, value);
}
void TVek::SetL_l_thrustBearingToFontEdge(double value) {
  StoreStaleReal(FL_l_thrustBearingToFontEdge, value);
}
void TVek::SetG_t(double value) {
  StoreStaleReal(Fg_t, value);
}
void TVek::SetF_t_(double value) {
  StoreStaleReal(Ff_t_, value);
}

void TVek::SetModelAutomatic(bool value) {
  StoreStale(FModelAutomatic, value);
}
void TVek::SetModalityAdjustable(bool value) {
  StoreStale(FModalityAdjustable, value);
}
void TVek::SetIsRebarNr(bool value) {
  StoreStale(FIsRebarNR, value);
}
void TVek::SetW_International(bool value) {
  StoreStale(FW_international, value);
}
void TVek::SetWindZone(TVEKWindZone value) {
  StoreStale(FWindZone, value);
}
void TVek::SetRegion(TVEKRegion value) {
  StoreStale(FRegion, value);
}
void TVek::SetBuildingHeight(TVEKBuildingHeight value) {
  StoreStale(FBuildingHeight, value);
}
void TVek::SetZLineStandard(bool value) {
  StoreStale(FZLineStandard, value);
}

// The search writes L and Delta_B many times per run; the others steer the search or
// belong to the hidden slab, fastener and wind-geometry inputs.
void TVek::SetL(double value) {
  FL = value;
}
void TVek::SetModelLengthMethod(TVEKModelLength value) {
  FModelLengthMethod = value;
}
void TVek::SetAnchorVersion(TVEKAnchorVersion value) {
  FAnchorVersion = value;
}
void TVek::SetDetached(bool value) {
  FDetached = value;
}
void TVek::SetX_w(double value) {
  Fx_w = value;
}
void TVek::SetH_w(double value) {
  Fh_w = value;
}
void TVek::SetH_g(double value) {
  Fh_g = value;
}
void TVek::SetBuilding_h(double value) {
  FBuilding_h = value;
}
void TVek::SetBuilding_d(double value) {
  FBuilding_d = value;
}
void TVek::SetConservativeAssumptionDetached(bool value) {
  FConservativeAssumptionDetached = value;
}
void TVek::SetConservativeAssumptionNotDetached(bool value) {
  FConservativeAssumptionNotDetached = value;
}
void TVek::SetAnchoringBaseCrackedConcrete(bool value) {
  FAnchoringBaseCrackedConcrete = value;
}
void TVek::SetFixturesSpecialScrews(bool value) {
  FFixturesSpecialScrews = value;
}
void TVek::SetFixturesStainlessSteel(bool value) {
  FFixturesStainlessSteel = value;
}

void TVek::SetF_ck(std::int8_t value) {
  StoreStaleReal(Ff_ck, value);
}

void TVek::SetF_ck_CeilingTile(std::int8_t value) {
  Ff_ck_CeilingTile = value;
}

void TVek::SetModel(int value) {
  // The comparison is with the argument, before an invalid size falls back to 1.
  if (FModel != value) {
    ResetCalculated();
  }
  FModel = (value <= 0 || value > 9) ? 1 : value;
}

void TVek::SetSpecialAnchor(const TVEKSpecialAnchor& value) {
  if (IsSpecialAnchorChanged(FSpecialAnchor, value)) {
    ResetCalculated();
  }
  FSpecialAnchor = value;
}

void TVek::SetDelta_B(double value) {
  FDelta_B = value;
  if (value == 0) {
    FDeltaBStr = "n";
  } else if (value == 40) {
    FDeltaBStr = "p";
  } else if (value == -40) {
    FDeltaBStr = "m";
  }
}

void TVek::SetBuildingArea(char16_t value) {
  FBuildingArea =
      (value >= u'a' && value <= u'z') ? static_cast<char16_t>(value - u'a' + u'A') : value;
}

double TVek::GetL_l() const {
  return Fl_l == 0 ? 0 : Fl_l / 2;
}

void TVek::SetL_l(double value) {
  StoreStaleReal(Fl_l, 2 * value);
}

void TVek::SetLVek(const TVEKL& value) {
  ResetCalculated();
  FLVek = value;
}

void TVek::SetLws(const TVEKL& value) {
  ResetCalculated();
  FLws = value;
}

void TVek::SetDefaultSpecialAnchor() {
  FSpecialAnchor = TVEKSpecialAnchor{};
}

}  // namespace vek
