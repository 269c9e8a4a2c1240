// The settings record: taking it from design cases and writing it into them.
#include <gtest/gtest.h>

#include "settings/VekSettings.h"

namespace vek {
namespace {

// Each setting with the design-case property it belongs to.
const struct {
  const char* Name;
  double TVEKSettings::*Setting;
  double (TVek::*Property)() const;
} kRealPairs[] = {
    {"YSConcreteSteel", &TVEKSettings::YSConcreteSteel, &TVek::GetF_yk},
    {"YSSteel", &TVEKSettings::YSSteel, &TVek::GetF_ysk},
    {"YSCastSteel", &TVEKSettings::YSCastSteel, &TVek::GetF_yck},
    {"YSSteelWeldedJoints", &TVEKSettings::YSSteelWeldedJoints, &TVek::GetF_ywk},
    {"YSRedf_ybk", &TVEKSettings::YSRedf_ybk, &TVek::GetRedf_ybk},
    {"YSF_ytk", &TVEKSettings::YSF_ytk, &TVek::GetF_ytk},
    {"TSSteel", &TVEKSettings::TSSteel, &TVek::GetF_usk},
    {"TSCastSteel", &TVEKSettings::TSCastSteel, &TVek::GetF_uck},
    {"FTBThrustBearingToFontEdge", &TVEKSettings::FTBThrustBearingToFontEdge,
     &TVek::GetL_l_thrustBearingToFontEdge},
    {"RTBL_l", &TVEKSettings::RTBL_l, &TVek::GetL_l},
    {"ZLBacklash", &TVEKSettings::ZLBacklash, &TVek::GetG_t},
    {"F_t_", &TVEKSettings::F_t_, &TVek::GetF_t_},
};

TVEKSettings DistinctSettings() {
  TVEKSettings settings;
  double value = 101;
  for (const auto& pair : kRealPairs) {
    settings.*pair.Setting = value++;
  }
  settings.ZLStandard = false;
  settings.LVek = TVEKL{{41, 42, 43, 44, 45, 46, 47, 48}};
  settings.Lws = TVEKL{{31, 32, 33, 34, 35, 36, 37, 38}};
  return settings;
}

TEST(VekSettingsTest, EverySettingReachesItsOwnDesignCaseProperty) {
  const TVEKSettings settings = DistinctSettings();
  TVek vek;
  WriteSettingsToVek(settings, vek);
  for (const auto& pair : kRealPairs) {
    EXPECT_EQ((vek.*pair.Property)(), settings.*pair.Setting) << pair.Name;
  }
  EXPECT_FALSE(vek.GetZLineStandard());
  EXPECT_EQ(vek.GetLVek(), settings.LVek);
  EXPECT_EQ(vek.GetLws(), settings.Lws);

  TVEKSettingsStore store;
  CopyMaterialValuesToSettings(store, vek, false);
  TVEKSettings back = store.GetSetttings();
  EXPECT_EQ(back, settings) << "the values come back unchanged, RTBL_l as the plain tolerance";
}

TEST(VekSettingsTest, AppliedProjectGivesCurrentValuesOfTheComponentAndEngineDefaults) {
  TVEKSettingsStore store;
  EXPECT_FALSE(store.GetSetttings().IsInit) << "zero-filled until a project is applied";
  TVek selected;
  selected.SetF_ysk(500);
  ApplyProjectToSettings(store, selected);
  EXPECT_EQ(store.GetSetttings().YSSteel, 500);
  EXPECT_EQ(store.GetDefaultSetttings().YSSteel, 530);
  for (const TVEKSettings& settings : {store.GetSetttings(), store.GetDefaultSetttings()}) {
    EXPECT_FALSE(settings.IsPassword);
    EXPECT_TRUE(settings.IsInit);
    EXPECT_TRUE(settings.IsExpander);
  }
  EXPECT_EQ(store.GetDefaultSetttings().RTBL_l, 40);
  EXPECT_EQ(store.GetDefaultSetttings().Lws, TVek().GetLws());
}

TEST(VekSettingsTest, TheAdminModeSurvivesOpeningAnotherProjectButIsNoDefault) {
  TVEKSettingsStore store;
  ApplyProjectToSettings(store, TVek());
  TVEKSettings admin = store.GetSetttings();
  admin.IsPassword = true;
  admin.IsExpander = false;
  store.SetSettings(admin);

  ApplyProjectToSettings(store, TVek());
  EXPECT_TRUE(store.GetSetttings().IsPassword);
  EXPECT_TRUE(store.GetSetttings().IsExpander) << "a project resets the view option";
  EXPECT_FALSE(store.GetDefaultSetttings().IsPassword);
}

TEST(VekSettingsTest, ARearBearingToleranceOf30GivesASlottedHoleOf60PlusTheWasher) {
  TVEKSettingsStore store;
  ApplyProjectToSettings(store, TVek());
  TVEKSettings settings = store.GetSetttings();
  settings.RTBL_l = 30;
  TVek vek;
  WriteSettingsToVek(settings, vek);
  EXPECT_EQ(vek.GetL_l(), 30);
  vek.SetL(500);
  vek.SetDelta_B(0);
  vek.Calculate();
  EXPECT_EQ(vek.GetModelDB()["l_slot"], 60 + vek.GetModelDB()["l_t"]);
}

}  // namespace
}  // namespace vek
