#pragma once

#include "engine/Vek.h"

namespace vek {

// The material, tolerance and view settings of a program run. They live in memory
// only and travel inside the design cases of saved projects. A default-constructed
// record is zero-filled and has IsInit false: it holds no values yet.
struct TVEKSettings {
  bool IsPassword = false;  // admin mode
  bool IsInit = false;      // the record holds values
  bool IsExpander = false;  // view option: all input panels expanded
  double YSConcreteSteel = 0;
  double YSSteel = 0;
  double YSCastSteel = 0;
  double YSSteelWeldedJoints = 0;
  double YSRedf_ybk = 0;
  double YSF_ytk = 0;
  double TSSteel = 0;
  double TSCastSteel = 0;
  double FTBThrustBearingToFontEdge = 0;
  double RTBL_l = 0;  // the plain tolerance; the design case keeps twice the value
  bool ZLStandard = false;
  double ZLBacklash = 0;
  double F_t_ = 0;
  TVEKL LVek{};
  TVEKL Lws{};

  bool operator==(const TVEKSettings&) const = default;
};

// The current and the default settings of the program run.
class TVEKSettingsStore {
 public:
  TVEKSettings GetSetttings() const { return FSettings; }
  void SetSettings(const TVEKSettings& settings) { FSettings = settings; }
  TVEKSettings GetDefaultSetttings() const { return FDefaultSettings; }
  void SetDefaultSettings(const TVEKSettings& settings) { FDefaultSettings = settings; }

 private:
  TVEKSettings FSettings;
  TVEKSettings FDefaultSettings;
};

// Takes the material and tolerance values of a design case as the current settings,
// and as the defaults too when IsDefault is set. The admin mode survives either way.
void CopyMaterialValuesToSettings(TVEKSettingsStore& store, const TVek& vek, bool IsDefault);

// The settings of an applied project: the defaults from a new design case, then the
// current values from the selected component's design case.
void ApplyProjectToSettings(TVEKSettingsStore& store, const TVek& selectedVek);

// Writes the material and tolerance settings into a design case, in the order of the
// record; the main window does this before it writes any input of the case.
void WriteSettingsToVek(const TVEKSettings& settings, TVek& vek);

}  // namespace vek
