// The stored design case: filling it from a design case and rebuilding one from it.
#include "project/JSONVek.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "core/StandardFnc.h"
#include "project/ProjectFileErrors.h"

namespace vek {

namespace {

// The section of the special anchor in its stored order.
constexpr std::array<double TVEKSpecialAnchor::*, kSpecialAnchorValueCount> kSpecialAnchorFields{
    &TVEKSpecialAnchor::H,       &TVEKSpecialAnchor::B,     &TVEKSpecialAnchor::B2,
    &TVEKSpecialAnchor::T,       &TVEKSpecialAnchor::R,     &TVEKSpecialAnchor::C_nom_i,
    &TVEKSpecialAnchor::C_nom_e, &TVEKSpecialAnchor::Phi,   &TVEKSpecialAnchor::I,
    &TVEKSpecialAnchor::O,       &TVEKSpecialAnchor::D_con, &TVEKSpecialAnchor::El_con,
    &TVEKSpecialAnchor::A,       &TVEKSpecialAnchor::D_1,   &TVEKSpecialAnchor::A_Sp_S,
    &TVEKSpecialAnchor::D_w,     &TVEKSpecialAnchor::A_sp,  &TVEKSpecialAnchor::B_sp,
    &TVEKSpecialAnchor::A_tp,    &TVEKSpecialAnchor::T_tp,  &TVEKSpecialAnchor::D_s,
    &TVEKSpecialAnchor::S,       &TVEKSpecialAnchor::N_t,   &TVEKSpecialAnchor::H_t,
    &TVEKSpecialAnchor::B_t,     &TVEKSpecialAnchor::T_t,   &TVEKSpecialAnchor::G_t,
    &TVEKSpecialAnchor::C_t,     &TVEKSpecialAnchor::El_t,  &TVEKSpecialAnchor::L_t,
    &TVEKSpecialAnchor::S_t_t_t, &TVEKSpecialAnchor::D_L,   &TVEKSpecialAnchor::d_J,
    &TVEKSpecialAnchor::L_ws};

constexpr int kMaxModelLength = static_cast<int>(TVEKModelLength::L_ALL);
constexpr int kMaxAnchorVersion = static_cast<int>(TVEKAnchorVersion::ATTIKA);
constexpr int kMaxBuildingHeight =
    static_cast<int>(TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_25);
constexpr int kMaxWindZone = static_cast<int>(TVEKWindZone::WZ_4);
constexpr int kMaxRegion = static_cast<int>(TVEKRegion::INLAND);

using M = TJSONVek;
const TJSONVekMember kMembers[] = {
    {"Ff_ck", &M::Ff_ck},
    {"Fh_br", &M::Fh_br},
    {"Fl_br", &M::Fl_br},
    {"Ff", &M::Ff},
    {"Fl_0", &M::Fl_0},
    {"Fx", &M::Fx},
    {"Fe_", &M::Fe_},
    {"Fh1", &M::Fh1},
    {"FModelLengthMethod", &M::FModelLengthMethod, kMaxModelLength},
    {"FModelSpecialLength", &M::FModelSpecialLength},
    {"FL", &M::FL},
    {"FModel", &M::FModel},
    {"FModelAutomatic", &M::FModelAutomatic},
    {"FDetached", &M::FDetached},
    {"Fx_w", &M::Fx_w},
    {"Fh_w", &M::Fh_w},
    {"Fh_g", &M::Fh_g},
    {"FBuildingArea", &M::FBuildingArea},
    {"FBuilding_h", &M::FBuilding_h},
    {"FBuilding_d", &M::FBuilding_d},
    {"Fq_p", &M::Fq_p},
    {"FDelta_T", &M::FDelta_T},
    {"FH_1k", &M::FH_1k},
    {"Fa_1z", &M::Fa_1z},
    {"FH_2k", &M::FH_2k},
    {"Fa_2z", &M::Fa_2z},
    {"FV_1k", &M::FV_1k},
    {"Fa_1y", &M::Fa_1y},
    {"FV_2k", &M::FV_2k},
    {"Fa_2y", &M::Fa_2y},
    {"FModalityAdjustable", &M::FModalityAdjustable},
    {"FW_p", &M::FW_p},
    {"FW_n", &M::FW_n},
    {"FW_international", &M::FW_international},
    {"FAnchorVersion", &M::FAnchorVersion, kMaxAnchorVersion},
    {"FAnchoringBaseCrackedConcrete", &M::FAnchoringBaseCrackedConcrete},
    {"Ff_ck_CeilingTile", &M::Ff_ck_CeilingTile},
    {"FFixturesSpecialScrews", &M::FFixturesSpecialScrews},
    {"FFixturesStainlessSteel", &M::FFixturesStainlessSteel},
    {"FBuildingHeight", &M::FBuildingHeight, kMaxBuildingHeight},
    {"FWindZone", &M::FWindZone, kMaxWindZone},
    {"FRegion", &M::FRegion, kMaxRegion},
    {"FConservativeAssumptionDetached", &M::FConservativeAssumptionDetached},
    {"FConservativeAssumptionNotDetached", &M::FConservativeAssumptionNotDetached},
    {"Ff_yk", &M::Ff_yk},
    {"Ff_ysk", &M::Ff_ysk},
    {"Ff_yck", &M::Ff_yck},
    {"Ff_ywk", &M::Ff_ywk},
    {"Fredf_ybk", &M::Fredf_ybk},
    {"Ff_ytk", &M::Ff_ytk},
    {"Ff_usk", &M::Ff_usk},
    {"Ff_uck", &M::Ff_uck},
    {"Fl_l", &M::Fl_l},
    {"Fl_l_thrustBearingToFontEdge", &M::Fl_l_thrustBearingToFontEdge},
    {"FZLineStandard", &M::FZLineStandard},
    {"Ff_t_", &M::Ff_t_},
    {"Fg_t", &M::Fg_t},
    {"FLVek", &M::FLVek},
    {"FLws", &M::FLws},
    {"FSpecialAnchor", &M::FSpecialAnchor},
    {"FState", &M::FState},
    {"FAssigned", &M::FAssigned},
    {"FSelectedVEKResultModel", &M::FSelectedVEKResultModel},
    {"FSelectedVEKResultLength", &M::FSelectedVEKResultLength},
    {"FIsRebarNR", &M::FIsRebarNR},
};

constexpr const char* kNotAssigned = "N/A";

// An unset real cannot be a JSON number; the file holds the null real instead.
double Stored(double value) {
  return std::isfinite(value) ? value : kNullReal;
}

// The whole-number strength of a concrete grade; the design case takes a signed byte.
std::int8_t ConcreteGrade(double value, const char* member) {
  const double whole = std::trunc(value);
  if (!(whole >= -128 && whole <= 127)) {
    throw ELoadProjectError(std::string(member) + " is no concrete strength");
  }
  return static_cast<std::int8_t>(whole);
}

}  // namespace

TSpecialAnchorValues SpecialAnchorToValues(const TVEKSpecialAnchor& anchor) {
  TSpecialAnchorValues values{};
  for (std::size_t i = 0; i < kSpecialAnchorValueCount; ++i) {
    values[i] = anchor.*kSpecialAnchorFields[i];
  }
  return values;
}

std::span<const TJSONVekMember> JSONVekMembers() {
  return kMembers;
}

void TJSONVek::SetJSONData(const TVek& vek) {
  Ff_ck = Stored(vek.GetF_ck());
  Fh_br = Stored(vek.GetH_br());
  Fl_br = Stored(vek.GetL_br());
  Ff = Stored(vek.GetF());
  Fl_0 = Stored(vek.GetL_0());
  Fx = Stored(vek.GetX());
  Fe_ = Stored(vek.GetE_());
  Fh1 = Stored(vek.GetH1());
  FModelLengthMethod = static_cast<int>(vek.GetModelLengthMethod());
  FModelSpecialLength = Stored(vek.GetModelSpecialLength());
  FL = Stored(vek.GetL());
  FModel = vek.GetModel();
  FModelAutomatic = vek.GetModelAutomatic();
  FDetached = vek.GetDetached();
  Fx_w = Stored(vek.GetX_w());
  Fh_w = Stored(vek.GetH_w());
  Fh_g = Stored(vek.GetH_g());
  FBuildingArea = vek.GetBuildingArea();
  FBuilding_h = Stored(vek.GetBuilding_h());
  FBuilding_d = Stored(vek.GetBuilding_d());
  Fq_p = Stored(vek.GetQ_p());
  FDelta_T = Stored(vek.GetDelta_T());
  FH_1k = Stored(vek.GetH_1k());
  Fa_1z = Stored(vek.GetA_1z());
  FH_2k = Stored(vek.GetH_2k());
  Fa_2z = Stored(vek.GetA_2z());
  FV_1k = Stored(vek.GetV_1k());
  Fa_1y = Stored(vek.GetA_1y());
  FV_2k = Stored(vek.GetV_2k());
  Fa_2y = Stored(vek.GetA_2y());
  FModalityAdjustable = vek.GetModalityAdjustable();
  FW_p = Stored(vek.GetW_p());
  FW_n = Stored(vek.GetW_n());
  FW_international = vek.GetW_International();
  FAnchorVersion = static_cast<int>(vek.GetAnchorVersion());
  FAnchoringBaseCrackedConcrete = vek.GetAnchoringBaseCrackedConcrete();
  Ff_ck_CeilingTile = Stored(vek.GetF_ck_CeilingTile());
  FFixturesSpecialScrews = vek.GetFixturesSpecialScrews();
  FFixturesStainlessSteel = vek.GetFixturesStainlessSteel();
  FBuildingHeight = static_cast<int>(vek.GetBuildingHeight());
  FWindZone = static_cast<int>(vek.GetWindZone());
  FRegion = static_cast<int>(vek.GetRegion());
  FConservativeAssumptionDetached = vek.GetConservativeAssumptionDetached();
  FConservativeAssumptionNotDetached = vek.GetConservativeAssumptionNotDetached();
  Ff_yk = Stored(vek.GetF_yk());
  Ff_ysk = Stored(vek.GetF_ysk());
  Ff_yck = Stored(vek.GetF_yck());
  Ff_ywk = Stored(vek.GetF_ywk());
  Fredf_ybk = Stored(vek.GetRedf_ybk());
  Ff_ytk = Stored(vek.GetF_ytk());
  Ff_usk = Stored(vek.GetF_usk());
  Ff_uck = Stored(vek.GetF_uck());
  Fl_l = Stored(vek.GetL_l());
  Fl_l_thrustBearingToFontEdge = Stored(vek.GetL_l_thrustBearingToFontEdge());
  FZLineStandard = vek.GetZLineStandard();
  Ff_t_ = Stored(vek.GetF_t_());
  Fg_t = Stored(vek.GetG_t());
  FLVek = vek.GetLVek();
  FLws = vek.GetLws();
  FSpecialAnchor = SpecialAnchorToValues(vek.GetSpecialAnchor());
  for (double& value : FSpecialAnchor) {
    value = Stored(value);
  }
  FState = vek.GetState();
  FAssigned = vek.GetAssignedVek();
  const TVEKResult selected = vek.GetSelectedVEKResult();
  FSelectedVEKResultModel = selected.Model;
  FSelectedVEKResultLength = Stored(selected.Length);
  FIsRebarNR = vek.GetIsRebarNr();
}

std::unique_ptr<TVek> TJSONVek::CreateVek() const {
  auto vek = std::make_unique<TVek>();
  TVek& v = *vek;
  // A real that is not set keeps the design case's default.
  auto real = [](double value, auto setter) {
    if (!TStandardFnc::IsNullReal(value)) {
      setter(value);
    }
  };
  real(Ff_ck, [&](double x) { v.SetF_ck(ConcreteGrade(x, "Ff_ck")); });
  real(Fh_br, [&](double x) { v.SetH_br(x); });
  real(Fl_br, [&](double x) { v.SetL_br(x); });
  real(Ff, [&](double x) { v.SetF(x); });
  real(Fl_0, [&](double x) { v.SetL_0(x); });
  real(Fx, [&](double x) { v.SetX(x); });
  real(Fe_, [&](double x) { v.SetE_(x); });
  real(Fh1, [&](double x) { v.SetH1(x); });
  v.SetModelLengthMethod(static_cast<TVEKModelLength>(FModelLengthMethod));
  real(FModelSpecialLength, [&](double x) { v.SetModelSpecialLength(x); });
  real(FL, [&](double x) { v.SetL(x); });
  v.SetModel(FModel);
  v.SetModelAutomatic(FModelAutomatic);
  v.SetDetached(FDetached);
  real(Fx_w, [&](double x) { v.SetX_w(x); });
  real(Fh_w, [&](double x) { v.SetH_w(x); });
  real(Fh_g, [&](double x) { v.SetH_g(x); });
  v.SetBuildingArea(FBuildingArea);
  real(FBuilding_h, [&](double x) { v.SetBuilding_h(x); });
  real(FBuilding_d, [&](double x) { v.SetBuilding_d(x); });
  real(Fq_p, [&](double x) { v.SetQ_p(x); });
  real(FDelta_T, [&](double x) { v.SetDelta_T(x); });
  real(FH_1k, [&](double x) { v.SetH_1k(x); });
  real(Fa_1z, [&](double x) { v.SetA_1z(x); });
  real(FH_2k, [&](double x) { v.SetH_2k(x); });
  real(Fa_2z, [&](double x) { v.SetA_2z(x); });
  real(FV_1k, [&](double x) { v.SetV_1k(x); });
  real(Fa_1y, [&](double x) { v.SetA_1y(x); });
  real(FV_2k, [&](double x) { v.SetV_2k(x); });
  real(Fa_2y, [&](double x) { v.SetA_2y(x); });
  v.SetModalityAdjustable(FModalityAdjustable);
  real(FW_p, [&](double x) { v.SetW_p(x); });
  real(FW_n, [&](double x) { v.SetW_n(x); });
  v.SetW_International(FW_international);
  v.SetAnchorVersion(static_cast<TVEKAnchorVersion>(FAnchorVersion));
  v.SetAnchoringBaseCrackedConcrete(FAnchoringBaseCrackedConcrete);
  real(Ff_ck_CeilingTile,
       [&](double x) { v.SetF_ck_CeilingTile(ConcreteGrade(x, "Ff_ck_CeilingTile")); });
  v.SetFixturesSpecialScrews(FFixturesSpecialScrews);
  v.SetFixturesStainlessSteel(FFixturesStainlessSteel);
  v.SetBuildingHeight(static_cast<TVEKBuildingHeight>(FBuildingHeight));
  v.SetWindZone(static_cast<TVEKWindZone>(FWindZone));
  v.SetRegion(static_cast<TVEKRegion>(FRegion));
  v.SetConservativeAssumptionDetached(FConservativeAssumptionDetached);
  v.SetConservativeAssumptionNotDetached(FConservativeAssumptionNotDetached);
  real(Ff_yk, [&](double x) { v.SetF_yk(x); });
  real(Ff_ysk, [&](double x) { v.SetF_ysk(x); });
  real(Ff_yck, [&](double x) { v.SetF_yck(x); });
  real(Ff_ywk, [&](double x) { v.SetF_ywk(x); });
  real(Fredf_ybk, [&](double x) { v.SetRedf_ybk(x); });
  real(Ff_ytk, [&](double x) { v.SetF_ytk(x); });
  real(Ff_usk, [&](double x) { v.SetF_usk(x); });
  real(Ff_uck, [&](double x) { v.SetF_uck(x); });
  real(Fl_l, [&](double x) { v.SetL_l(x); });
  real(Fl_l_thrustBearingToFontEdge, [&](double x) { v.SetL_l_thrustBearingToFontEdge(x); });
  v.SetZLineStandard(FZLineStandard);
  real(Ff_t_, [&](double x) { v.SetF_t_(x); });
  real(Fg_t, [&](double x) { v.SetG_t(x); });
  v.SetIsRebarNr(FIsRebarNR);

  v.SetLVek(FLVek);
  if (FLws) {
    v.SetLws(*FLws);
  }

  // Entries that are not set keep the default section.
  TVEKSpecialAnchor anchor = v.GetSpecialAnchor();
  for (std::size_t i = 0; i < kSpecialAnchorValueCount; ++i) {
    if (!TStandardFnc::IsNullReal(FSpecialAnchor[i])) {
      anchor.*kSpecialAnchorFields[i] = FSpecialAnchor[i];
    }
  }
  v.SetSpecialAnchor(anchor);

  if (FAssigned == kNotAssigned) {
    v.SetState(TVEKSignal::EDIT);
    v.SetAssignedVek(kNotAssigned);
  } else {
    // Results are not stored: an assigned case is calculated anew and gets the default
    // choice among the fresh variants.
    v.CalculateDB();
    if (v.GetResultSize() == 0) {
      throw ELoadProjectError("the recalculation of an assigned component found no variant");
    }
    v.SetAssignedVek(FAssigned);
    v.SetState(TVEKSignal::ASSIGN);
  }
  return vek;
}

}  // namespace vek
