#include "settings/VekSettings.h"

namespace vek {

void CopyMaterialValuesToSettings(TVEKSettingsStore& store, const TVek& vek, bool IsDefault) {
  const TVEKSettings current = store.GetSetttings();
  TVEKSettings settings;
  if (IsDefault) {
    settings.IsPassword = false;
    settings.IsInit = true;
    settings.IsExpander = true;
  } else {
    settings.IsPassword = current.IsPassword;
    settings.IsInit = current.IsInit;
    settings.IsExpander = current.IsExpander;
  }
  settings.YSConcreteSteel = vek.GetF_yk();
  settings.YSSteel = vek.GetF_ysk();
  settings.YSCastSteel = vek.GetF_yck();
  settings.YSSteelWeldedJoints = vek.GetF_ywk();
  settings.YSRedf_ybk = vek.GetRedf_ybk();
  settings.YSF_ytk = vek.GetF_ytk();
  settings.TSSteel = vek.GetF_usk();
  settings.TSCastSteel = vek.GetF_uck();
  settings.FTBThrustBearingToFontEdge = vek.GetL_l_thrustBearingToFontEdge();
  settings.RTBL_l = vek.GetL_l();
  settings.ZLStandard = vek.GetZLineStandard();
  settings.ZLBacklash = vek.GetG_t();
  settings.F_t_ = vek.GetF_t_();
  settings.LVek = vek.GetLVek();
  settings.Lws = vek.GetLws();
  if (IsDefault) {
    store.SetDefaultSettings(settings);
  }
  if (current.IsPassword) {
    settings.IsPassword = true;
  }
  store.SetSettings(settings);
}

void ApplyProjectToSettings(TVEKSettingsStore& store, const TVek& selectedVek) {
  const TVek defaults;
  CopyMaterialValuesToSettings(store, defaults, true);
  CopyMaterialValuesToSettings(store, selectedVek, false);
}

void WriteSettingsToVek(const TVEKSettings& settings, TVek& vek) {
  vek.SetF_yk(settings.YSConcreteSteel);
  vek.SetF_ysk(settings.YSSteel);
  vek.SetF_yck(settings.YSCastSteel);
  vek.SetF_ywk(settings.YSSteelWeldedJoints);
  vek.SetRedf_ybk(settings.YSRedf_ybk);
  vek.SetF_ytk(settings.YSF_ytk);
  vek.SetF_usk(settings.TSSteel);
  vek.SetF_uck(settings.TSCastSteel);
  vek.SetL_l_thrustBearingToFontEdge(settings.FTBThrustBearingToFontEdge);
  vek.SetL_l(settings.RTBL_l);
  vek.SetZLineStandard(settings.ZLStandard);
  vek.SetG_t(settings.ZLBacklash);
  vek.SetF_t_(settings.F_t_);
  vek.SetLVek(settings.LVek);
  vek.SetLws(settings.Lws);
}

}  // namespace vek
