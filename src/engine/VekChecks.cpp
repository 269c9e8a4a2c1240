// Completeness of the inputs, the special-anchor comparison and the two checks that
// decide whether the exact wind geometry is known.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "core/NumberFormat.h"
#include "core/RegionalSettings.h"
#include "core/StandardFnc.h"
#include "engine/Vek.h"

namespace vek {

namespace {

// Relative comparison: equal within 1e-12 of the smaller magnitude, but never closer
// than 1e-12 absolute. NaN is never equal.
bool IsSameValue(double a, double b) {
  constexpr double kResolution = 1e-12;
  const double tolerance =
      std::max(std::min(std::fabs(a), std::fabs(b)) * kResolution, kResolution);
  return std::fabs(a - b) <= tolerance;
}

// The fields that shape the special anchor; d_J and L_ws are left out on purpose.
constexpr std::array<double TVEKSpecialAnchor::*, 32> kComparedSpecialAnchorFields{
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
    &TVEKSpecialAnchor::S_t_t_t, &TVEKSpecialAnchor::D_L};

}  // namespace

bool TVek::IsSetAllUserInput() const {
  if (FModelLengthMethod == TVEKModelLength::INPUT && std::isnan(FL)) {
    return false;
  }
  const std::array required{Ff_ck, Fh_br, Fl_br, Ff,    Fl_0,  Fx,    Fe_,   FDelta_T,
                            FH_1k, Fa_1z, FH_2k, Fa_2z, FV_1k, Fa_1y, FV_2k, Fa_2y};
  return std::none_of(required.begin(), required.end(), [](double v) { return std::isnan(v); });
}

bool TVek::IsSpecialAnchorChanged(const TVEKSpecialAnchor& stored, const TVEKSpecialAnchor& value) {
  for (double TVEKSpecialAnchor::*field : kComparedSpecialAnchorFields) {
    if (!IsSameValue(stored.*field, value.*field)) {
      return true;
    }
  }
  return false;
}

bool TVek::IsDetachedGeometryKnown() const {
  if (FConservativeAssumptionDetached) {
    return false;
  }
  return !TStandardFnc::IsNullReal(Fx_w) && !TStandardFnc::IsNullReal(Fh_w) &&
         !TStandardFnc::IsNullReal(Fh_g);
}

bool TVek::IsBuildingGeometryKnown() const {
  if (FConservativeAssumptionNotDetached) {
    return false;
  }
  char16_t area = FBuildingArea;
  if (area >= u'a' && area <= u'z') {
    area = static_cast<char16_t>(area - u'a' + u'A');
  }
  return area >= u'A' && area <= u'E' && !TStandardFnc::IsNullReal(FBuilding_h) &&
         !TStandardFnc::IsNullReal(FBuilding_d);
}

std::string TVek::GetModelAlias() const {
  return FModel == 9 ? "SK" : std::to_string(FModel);
}

double TVek::GetH() const {
  return FModelDB["h"];
}

std::string TVek::GetMinOkAnchor() const {
  const std::string& separator = RegionalSettings().DecimalSeparator;
  std::string text = "VEK \u2013 ";
  text += FAnchorVersion == TVEKAnchorVersion::NORMAL ? "N" : "A";
  if (FModalityAdjustable) {
    text += "J";
  }
  text += " \u2013 " + std::to_string(FMinOkSize);
  text += " \u2013 " + FormatGeneral(FMinOkLength, separator);
  text += " \u2013 " + FormatGeneral(Fe_, separator);
  return text;
}

}  // namespace vek
