// Inputs of a design case: defaults, which setters mark earlier results stale, the copy,
// the required-input check and the wind-geometry checks.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/StandardFnc.h"
#include "engine/Vek.h"

namespace vek {

struct DesignCaseTestTag;

template <>
struct TVekTestAccess<DesignCaseTestTag> {
  static void MarkCalculated(TVek& vek) {
    vek.FIsValueDBCalculated = true;
    vek.FIsVigoursMXCalculated = true;
    vek.FIsLoadingMXCalculated = true;
    vek.FIsMaxMinLoading = true;
    vek.FIsCalculateDB = true;
  }
  // True when ResetCalculated cleared every flag, false when it left them all.
  static bool IsStale(const TVek& vek) {
    const bool all = vek.FIsValueDBCalculated && vek.FIsVigoursMXCalculated &&
                     vek.FIsLoadingMXCalculated && vek.FIsMaxMinLoading && vek.FIsCalculateDB;
    const bool none = !vek.FIsValueDBCalculated && !vek.FIsVigoursMXCalculated &&
                      !vek.FIsLoadingMXCalculated && !vek.FIsMaxMinLoading && !vek.FIsCalculateDB;
    EXPECT_TRUE(all || none) << "the calculation flags are reset together";
    return none;
  }
  static double LlField(const TVek& vek) { return vek.Fl_l; }
  static void SetF_ckField(TVek& vek, double value) { vek.Ff_ck = value; }
  static void SetF_ck_CeilingTileField(TVek& vek, double value) { vek.Ff_ck_CeilingTile = value; }
  static void SetBuildingAreaField(TVek& vek, char16_t value) { vek.FBuildingArea = value; }
  static bool IsDetachedGeometryKnown(const TVek& vek) { return vek.IsDetachedGeometryKnown(); }
  static bool IsBuildingGeometryKnown(const TVek& vek) { return vek.IsBuildingGeometryKnown(); }
  static bool IsSpecialAnchorChanged(const TVEKSpecialAnchor& a, const TVEKSpecialAnchor& b) {
    return TVek::IsSpecialAnchorChanged(a, b);
  }
  static void AddModelValue(TVek& vek, const std::string& key, double value) {
    vek.FModelDB.Add(key, value);
  }
  static void SetMinOk(TVek& vek, int size, double length) {
    vek.FMinOkSize = size;
    vek.FMinOkLength = length;
  }
};

namespace {

using Access = TVekTestAccess<DesignCaseTestTag>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(DesignCase, NewCaseHasTheDefaultInputs) {
  const TVek vek;
  EXPECT_EQ(vek.GetModel(), 1);
  EXPECT_EQ(vek.GetModelAlias(), "1");
  EXPECT_TRUE(vek.GetModelAutomatic());
  EXPECT_EQ(vek.GetModelLengthMethod(), TVEKModelLength::AUTOMATIC_MODEL_LENGTH);
  EXPECT_EQ(vek.GetModelSpecialLength(), 500);
  EXPECT_FALSE(vek.GetModalityAdjustable());
  EXPECT_EQ(vek.GetAnchorVersion(), TVEKAnchorVersion::NORMAL);
  EXPECT_FALSE(vek.GetIsRebarNr());
  EXPECT_EQ(vek.GetDeltaBStr(), "");

  const std::vector<std::pair<const char*, std::pair<double, double>>> reals = {
      {"F_ck", {vek.GetF_ck(), 30}},
      {"H_br", {vek.GetH_br(), 1000}},
      {"L_br", {vek.GetL_br(), 2500}},
      {"F", {vek.GetF(), 125}},
      {"L_0", {vek.GetL_0(), 1500}},
      {"X", {vek.GetX(), 200}},
      {"E_", {vek.GetE_(), 150}},
      {"H1", {vek.GetH1(), 160}},
      {"F_ck_CeilingTile", {vek.GetF_ck_CeilingTile(), 20}},
      {"W_p", {vek.GetW_p(), 1.12}},
      {"W_n", {vek.GetW_n(), 0.8}},
      {"Delta_T", {vek.GetDelta_T(), 70}},
      {"H_1k", {vek.GetH_1k(), 0}},
      {"A_1z", {vek.GetA_1z(), 0}},
      {"H_2k", {vek.GetH_2k(), 0}},
      {"A_2z", {vek.GetA_2z(), 0}},
      {"V_1k", {vek.GetV_1k(), 0}},
      {"A_1y", {vek.GetA_1y(), 0}},
      {"V_2k", {vek.GetV_2k(), 0}},
      {"A_2y", {vek.GetA_2y(), 0}},
      {"F_yk", {vek.GetF_yk(), 500}},
      {"F_ysk", {vek.GetF_ysk(), 530}},
      {"F_yck", {vek.GetF_yck(), 450}},
      {"F_ywk", {vek.GetF_ywk(), 220}},
      {"F_usk", {vek.GetF_usk(), 600}},
      {"F_uk", {vek.GetF_uk(), 550}},
      {"F_uck", {vek.GetF_uck(), 650}},
      {"Redf_ybk", {vek.GetRedf_ybk(), 210}},
      {"F_ytk", {vek.GetF_ytk(), 220}},
      {"L_l", {vek.GetL_l(), 40}},
      {"L_l field", {Access::LlField(vek), 80}},
      {"L_l_thrustBearingToFontEdge", {vek.GetL_l_thrustBearingToFontEdge(), 50}},
      {"G_t", {vek.GetG_t(), 0.5}},
      {"F_t_", {vek.GetF_t_(), 1.0}},
  };
  for (const auto& [name, values] : reals) {
    EXPECT_EQ(values.first, values.second) << name;
  }
  for (double unset : {vek.GetL(), vek.GetX_w(), vek.GetH_w(), vek.GetH_g(), vek.GetBuilding_h(),
                       vek.GetBuilding_d(), vek.GetQ_p()}) {
    EXPECT_TRUE(std::isnan(unset));
  }

  EXPECT_TRUE(vek.GetAnchoringBaseCrackedConcrete());
  EXPECT_TRUE(vek.GetFixturesSpecialScrews());
  EXPECT_TRUE(vek.GetFixturesStainlessSteel());
  EXPECT_TRUE(vek.GetW_International());
  EXPECT_EQ(vek.GetWindZone(), TVEKWindZone::UNSET_WZ);
  EXPECT_EQ(vek.GetRegion(), TVEKRegion::UNSET_REGION);
  EXPECT_EQ(vek.GetBuildingHeight(), TVEKBuildingHeight::UNSET_BUILDING_HEIGHT);
  EXPECT_TRUE(vek.GetDetached());
  EXPECT_TRUE(vek.GetConservativeAssumptionDetached());
  EXPECT_TRUE(vek.GetConservativeAssumptionNotDetached());
  EXPECT_EQ(vek.GetBuildingArea(), u'z');  // stored lower-case: the setter never ran
  EXPECT_TRUE(vek.GetZLineStandard());

  EXPECT_EQ(vek.GetLVek(), (TVEKL{{50, 50, 55, 60, 70, 70, 80, 80}}));
  EXPECT_EQ(vek.GetLws(), (TVEKL{{29, 33, 35, 45, 47, 62, 48, 46}}));
  EXPECT_EQ(vek.GetLVek()[8], 80);  // indexed by size
  EXPECT_THROW((void)vek.GetLVek()[0], std::out_of_range);

  const TVEKSpecialAnchor anchor = vek.GetSpecialAnchor();
  EXPECT_EQ(anchor.H, 85);
  EXPECT_EQ(anchor.A, 5.5);
  EXPECT_EQ(anchor.A_Sp_S, 561);
  EXPECT_EQ(anchor.D_w, 110);
  EXPECT_EQ(anchor.H_t, 1.5);
  EXPECT_EQ(anchor.d_J, 31);
  EXPECT_EQ(anchor.L_ws, 45);

  EXPECT_TRUE(vek.IsSetAllUserInput());
  EXPECT_FALSE(vek.IsCalculateDB());
}

TEST(DesignCase, SizeConstructorAndInvalidSizes) {
  struct Case {
    int model;
    int stored;
    const char* alias;
  };
  for (const Case& c : std::vector<Case>{{1, 1, "1"},
                                         {5, 5, "5"},
                                         {8, 8, "8"},
                                         {9, 9, "SK"},
                                         {0, 1, "1"},
                                         {10, 1, "1"},
                                         {-3, 1, "1"}}) {
    TVek created(c.model);
    EXPECT_EQ(created.GetModel(), c.stored) << c.model;
    EXPECT_EQ(created.GetModelAlias(), c.alias) << c.model;
    TVek set(4);
    set.SetModel(c.model);
    EXPECT_EQ(set.GetModel(), c.stored) << c.model;
  }
}

// One setter: what it writes when called with the stored value and with another one.
struct SetterCase {
  const char* name;
  std::function<void(TVek&)> setSame;
  std::function<void(TVek&)> setChanged;
  bool staleWhenChanged;
  // Reals only: stores NaN, after which any value counts as changed.
  std::function<void(TVek&)> setNaN = nullptr;
};

SetterCase Real(const char* name, double (TVek::*get)() const, void (TVek::*set)(double),
                bool stale) {
  return {name, [=](TVek& v) { (v.*set)((v.*get)()); }, [=](TVek& v) { (v.*set)((v.*get)() + 1); },
          stale, [=](TVek& v) { (v.*set)(kNaN); }};
}

template <class T>
SetterCase Value(const char* name, T (TVek::*get)() const, void (TVek::*set)(T), T other,
                 bool stale) {
  return {name, [=](TVek& v) { (v.*set)((v.*get)()); }, [=](TVek& v) { (v.*set)(other); }, stale};
}

TEST(DesignCase, SettersMarkResultsStaleOnlyWhenTheirValueChanges) {
  using M = TVEKModelLength;
  const std::vector<SetterCase> cases = {
      Real("H_br", &TVek::GetH_br, &TVek::SetH_br, true),
      Real("L_br", &TVek::GetL_br, &TVek::SetL_br, true),
      Real("F", &TVek::GetF, &TVek::SetF, true),
      Real("L_0", &TVek::GetL_0, &TVek::SetL_0, true),
      Real("X", &TVek::GetX, &TVek::SetX, true),
      Real("E_", &TVek::GetE_, &TVek::SetE_, true),
      Real("H1", &TVek::GetH1, &TVek::SetH1, true),
      Real("ModelSpecialLength", &TVek::GetModelSpecialLength, &TVek::SetModelSpecialLength, true),
      Real("W_p", &TVek::GetW_p, &TVek::SetW_p, true),
      Real("W_n", &TVek::GetW_n, &TVek::SetW_n, true),
      Real("Q_p", &TVek::GetQ_p, &TVek::SetQ_p, true),
      Real("Delta_T", &TVek::GetDelta_T, &TVek::SetDelta_T, true),
      Real("H_1k", &TVek::GetH_1k, &TVek::SetH_1k, true),
      Real("A_1z", &TVek::GetA_1z, &TVek::SetA_1z, true),
      Real("H_2k", &TVek::GetH_2k, &TVek::SetH_2k, true),
      Real("A_2z", &TVek::GetA_2z, &TVek::SetA_2z, true),
      Real("V_1k", &TVek::GetV_1k, &TVek::SetV_1k, true),
      Real("A_1y", &TVek::GetA_1y, &TVek::SetA_1y, true),
      Real("V_2k", &TVek::GetV_2k, &TVek::SetV_2k, true),
      Real("A_2y", &TVek::GetA_2y, &TVek::SetA_2y, true),
      Real("F_yk", &TVek::GetF_yk, &TVek::SetF_yk, true),
      Real("F_ysk", &TVek::GetF_ysk, &TVek::SetF_ysk, true),
      Real("F_yck", &TVek::GetF_yck, &TVek::SetF_yck, true),
      Real("F_ywk", &TVek::GetF_ywk, &TVek::SetF_ywk, true),
      Real("F_usk", &TVek::GetF_usk, &TVek::SetF_usk, true),
      Real("F_uck", &TVek::GetF_uck, &TVek::SetF_uck, true),
      Real("Redf_ybk", &TVek::GetRedf_ybk, &TVek::SetRedf_ybk, true),
      Real("F_ytk", &TVek::GetF_ytk, &TVek::SetF_ytk, true),
      Real("L_l", &TVek::GetL_l, &TVek::SetL_l, true),
      Real("L_l_thrustBearingToFontEdge", &TVek::GetL_l_thrustBearingToFontEdge,
           &TVek::SetL_l_thrustBearingToFontEdge, true),
      Real("G_t", &TVek::GetG_t, &TVek::SetG_t, true),
      Real("F_t_", &TVek::GetF_t_, &TVek::SetF_t_, true),
      // Written by the search, or feeding only the hidden wind-geometry inputs.
      Real("L", &TVek::GetL, &TVek::SetL, false),
      Real("X_w", &TVek::GetX_w, &TVek::SetX_w, false),
      Real("H_w", &TVek::GetH_w, &TVek::SetH_w, false),
      Real("H_g", &TVek::GetH_g, &TVek::SetH_g, false),
      Real("Building_h", &TVek::GetBuilding_h, &TVek::SetBuilding_h, false),
      Real("Building_d", &TVek::GetBuilding_d, &TVek::SetBuilding_d, false),
      {"F_ck", [](TVek& v) { v.SetF_ck(30); }, [](TVek& v) { v.SetF_ck(35); }, true},
      {"F_ck_CeilingTile", [](TVek& v) { v.SetF_ck_CeilingTile(20); },
       [](TVek& v) { v.SetF_ck_CeilingTile(25); }, false},
      {"Model", [](TVek& v) { v.SetModel(1); }, [](TVek& v) { v.SetModel(2); }, true},
      // The argument is compared, so an invalid size is stale although 1 stays stored.
      {"Model invalid", [](TVek& v) { v.SetModel(1); }, [](TVek& v) { v.SetModel(0); }, true},
      {"Delta_B", [](TVek& v) { v.SetDelta_B(0); }, [](TVek& v) { v.SetDelta_B(40); }, false},
      {"BuildingArea", [](TVek& v) { v.SetBuildingArea(u'z'); },
       [](TVek& v) { v.SetBuildingArea(u'A'); }, false},
      Value("ModelAutomatic", &TVek::GetModelAutomatic, &TVek::SetModelAutomatic, false, true),
      Value("ModalityAdjustable", &TVek::GetModalityAdjustable, &TVek::SetModalityAdjustable, true,
            true),
      Value("IsRebarNr", &TVek::GetIsRebarNr, &TVek::SetIsRebarNr, true, true),
      Value("W_International", &TVek::GetW_International, &TVek::SetW_International, false, true),
      Value("WindZone", &TVek::GetWindZone, &TVek::SetWindZone, TVEKWindZone::WZ_2, true),
      Value("Region", &TVek::GetRegion, &TVek::SetRegion, TVEKRegion::INLAND, true),
      Value("BuildingHeight", &TVek::GetBuildingHeight, &TVek::SetBuildingHeight,
            TVEKBuildingHeight::LESS_THAN_OR_EQUAL_10, true),
      Value("ZLineStandard", &TVek::GetZLineStandard, &TVek::SetZLineStandard, false, true),
      Value("ModelLengthMethod", &TVek::GetModelLengthMethod, &TVek::SetModelLengthMethod, M::INPUT,
            false),
      Value("AnchorVersion", &TVek::GetAnchorVersion, &TVek::SetAnchorVersion,
            TVEKAnchorVersion::ATTIKA, false),
      Value("Detached", &TVek::GetDetached, &TVek::SetDetached, false, false),
      Value("ConservativeAssumptionDetached", &TVek::GetConservativeAssumptionDetached,
            &TVek::SetConservativeAssumptionDetached, false, false),
      Value("ConservativeAssumptionNotDetached", &TVek::GetConservativeAssumptionNotDetached,
            &TVek::SetConservativeAssumptionNotDetached, false, false),
      Value("AnchoringBaseCrackedConcrete", &TVek::GetAnchoringBaseCrackedConcrete,
            &TVek::SetAnchoringBaseCrackedConcrete, false, false),
      Value("FixturesSpecialScrews", &TVek::GetFixturesSpecialScrews,
            &TVek::SetFixturesSpecialScrews, false, false),
      Value("FixturesStainlessSteel", &TVek::GetFixturesStainlessSteel,
            &TVek::SetFixturesStainlessSteel, false, false),
  };
  for (const SetterCase& c : cases) {
    TVek vek;
    // Unset reals are NaN: give them a value first so that "same" means same.
    if (std::isnan(vek.GetL())) {
      for (auto set : {&TVek::SetL, &TVek::SetX_w, &TVek::SetH_w, &TVek::SetH_g,
                       &TVek::SetBuilding_h, &TVek::SetBuilding_d, &TVek::SetQ_p}) {
        (vek.*set)(3);
      }
    }
    Access::MarkCalculated(vek);
    c.setSame(vek);
    EXPECT_FALSE(Access::IsStale(vek)) << c.name << ": same value";
    c.setChanged(vek);
    EXPECT_EQ(Access::IsStale(vek), c.staleWhenChanged) << c.name << ": changed value";
    if (c.setNaN) {
      Access::MarkCalculated(vek);
      c.setNaN(vek);
      EXPECT_EQ(Access::IsStale(vek), c.staleWhenChanged) << c.name << ": NaN over a value";
      Access::MarkCalculated(vek);
      c.setNaN(vek);
      EXPECT_EQ(Access::IsStale(vek), c.staleWhenChanged) << c.name << ": NaN stored";
    }
  }
}

TEST(DesignCase, ScrewAndWeldLengthsAlwaysMarkResultsStale) {
  TVek vek;
  Access::MarkCalculated(vek);
  vek.SetLVek(vek.GetLVek());
  EXPECT_TRUE(Access::IsStale(vek));
  Access::MarkCalculated(vek);
  vek.SetLws(vek.GetLws());
  EXPECT_TRUE(Access::IsStale(vek));
}

TEST(DesignCase, ToleranceFieldHoldsTwiceTheInput) {
  TVek vek;
  vek.SetL_l(25);
  EXPECT_EQ(Access::LlField(vek), 50);
  EXPECT_EQ(vek.GetL_l(), 25);
  vek.SetL_l(0);
  EXPECT_EQ(vek.GetL_l(), 0);
}

TEST(DesignCase, OffsetSetsItsCodeOnlyForTheThreeOffsets) {
  TVek vek;
  struct Step {
    double offset;
    const char* code;
  };
  for (const Step& s : std::vector<Step>{
           {20, ""}, {40, "p"}, {20, "p"}, {-40, "m"}, {0, "n"}, {39.9, "n"}, {-0.0, "n"}}) {
    vek.SetDelta_B(s.offset);
    EXPECT_EQ(vek.GetDeltaBStr(), s.code) << s.offset;
  }
}

TEST(DesignCase, BuildingAreaIsStoredUpperCased) {
  struct Case {
    char16_t in, stored;
  };
  for (const Case& c : std::vector<Case>{
           {u'c', u'C'}, {u'E', u'E'}, {u'z', u'Z'}, {u'1', u'1'}, {u'\u00e4', u'\u00e4'}}) {
    TVek vek;
    vek.SetBuildingArea(c.in);
    EXPECT_EQ(vek.GetBuildingArea(), c.stored) << static_cast<int>(c.in);
  }
}

TEST(DesignCase, SpecialAnchorChangeIgnoresScrewHoleAndWeldLength) {
  struct Field {
    const char* name;
    double TVEKSpecialAnchor::*member;
  };
  const std::vector<Field> fields = {
      {"H", &TVEKSpecialAnchor::H},
      {"B", &TVEKSpecialAnchor::B},
      {"B2", &TVEKSpecialAnchor::B2},
      {"T", &TVEKSpecialAnchor::T},
      {"R", &TVEKSpecialAnchor::R},
      {"C_nom_i", &TVEKSpecialAnchor::C_nom_i},
      {"C_nom_e", &TVEKSpecialAnchor::C_nom_e},
      {"Phi", &TVEKSpecialAnchor::Phi},
      {"I", &TVEKSpecialAnchor::I},
      {"O", &TVEKSpecialAnchor::O},
      {"D_con", &TVEKSpecialAnchor::D_con},
      {"El_con", &TVEKSpecialAnchor::El_con},
      {"A", &TVEKSpecialAnchor::A},
      {"D_1", &TVEKSpecialAnchor::D_1},
      {"A_Sp_S", &TVEKSpecialAnchor::A_Sp_S},
      {"D_w", &TVEKSpecialAnchor::D_w},
      {"A_sp", &TVEKSpecialAnchor::A_sp},
      {"B_sp", &TVEKSpecialAnchor::B_sp},
      {"A_tp", &TVEKSpecialAnchor::A_tp},
      {"T_tp", &TVEKSpecialAnchor::T_tp},
      {"D_s", &TVEKSpecialAnchor::D_s},
      {"S", &TVEKSpecialAnchor::S},
      {"N_t", &TVEKSpecialAnchor::N_t},
      {"H_t", &TVEKSpecialAnchor::H_t},
      {"B_t", &TVEKSpecialAnchor::B_t},
      {"T_t", &TVEKSpecialAnchor::T_t},
      {"G_t", &TVEKSpecialAnchor::G_t},
      {"C_t", &TVEKSpecialAnchor::C_t},
      {"El_t", &TVEKSpecialAnchor::El_t},
      {"L_t", &TVEKSpecialAnchor::L_t},
      {"S_t_t_t", &TVEKSpecialAnchor::S_t_t_t},
      {"D_L", &TVEKSpecialAnchor::D_L},
      {"d_J", &TVEKSpecialAnchor::d_J},
      {"L_ws", &TVEKSpecialAnchor::L_ws},
  };
  ASSERT_EQ(fields.size() * sizeof(double), sizeof(TVEKSpecialAnchor));
  for (const Field& f : fields) {
    const bool counts = std::string(f.name) != "d_J" && std::string(f.name) != "L_ws";
    TVek vek(9);
    Access::MarkCalculated(vek);
    TVEKSpecialAnchor anchor = vek.GetSpecialAnchor();
    anchor.*f.member += 1;
    vek.SetSpecialAnchor(anchor);
    EXPECT_EQ(Access::IsStale(vek), counts) << f.name;
    EXPECT_EQ(vek.GetSpecialAnchor().*f.member, anchor.*f.member) << f.name << " is stored";
  }
}

TEST(DesignCase, SpecialAnchorComparisonIsRelativeWithAnAbsoluteFloor) {
  struct Case {
    double stored, value;
    bool changed;
  };
  const double kNull = kNullReal;
  for (const Case& c :
       std::vector<Case>{{85, 85, false},
                         {85, 85 * (1 + 0.9e-12), false},  // within 1e-12 of the smaller magnitude
                         {85, 85 * (1 + 1.5e-12), true},
                         {1e6, 1e6 + 0.5e-6, false},
                         {0, 0.9e-12, false},  // near zero the absolute 1e-12 applies
                         {0, 2e-12, true},
                         {0.5, 0.5 + 0.9e-12, false},
                         {kNull, kNull, false},
                         {85, kNaN, true},
                         {kNaN, kNaN, true}}) {
    TVEKSpecialAnchor stored;
    TVEKSpecialAnchor value;
    stored.O = c.stored;
    value.O = c.value;
    EXPECT_EQ(Access::IsSpecialAnchorChanged(stored, value), c.changed)
        << c.stored << " vs " << c.value;
  }
}

TEST(DesignCase, DefaultSpecialAnchorIsWrittenWithoutMarkingStale) {
  TVek vek(9);
  TVEKSpecialAnchor anchor;
  anchor.H = 100;
  vek.SetSpecialAnchor(anchor);
  Access::MarkCalculated(vek);
  vek.SetDefaultSpecialAnchor();
  EXPECT_FALSE(Access::IsStale(vek));
  EXPECT_EQ(vek.GetSpecialAnchor(), TVEKSpecialAnchor{});
}

TEST(DesignCase, EveryRequiredInputMustBeSet) {
  using Setter = void (TVek::*)(double);
  const std::vector<std::pair<const char*, Setter>> required = {
      {"H_br", &TVek::SetH_br},       {"L_br", &TVek::SetL_br}, {"F", &TVek::SetF},
      {"L_0", &TVek::SetL_0},         {"X", &TVek::SetX},       {"E_", &TVek::SetE_},
      {"Delta_T", &TVek::SetDelta_T}, {"H_1k", &TVek::SetH_1k}, {"A_1z", &TVek::SetA_1z},
      {"H_2k", &TVek::SetH_2k},       {"A_2z", &TVek::SetA_2z}, {"V_1k", &TVek::SetV_1k},
      {"A_1y", &TVek::SetA_1y},       {"V_2k", &TVek::SetV_2k}, {"A_2y", &TVek::SetA_2y}};
  for (const auto& [name, set] : required) {
    TVek vek;
    (vek.*set)(kNaN);
    EXPECT_FALSE(vek.IsSetAllUserInput()) << name;
  }
  TVek noConcrete;
  Access::SetF_ckField(noConcrete, kNaN);
  EXPECT_FALSE(noConcrete.IsSetAllUserInput()) << "F_ck";

  const std::vector<std::pair<const char*, Setter>> optional = {
      {"H1", &TVek::SetH1},       {"Q_p", &TVek::SetQ_p},
      {"W_p", &TVek::SetW_p},     {"W_n", &TVek::SetW_n},
      {"X_w", &TVek::SetX_w},     {"Building_h", &TVek::SetBuilding_h},
      {"F_ysk", &TVek::SetF_ysk}, {"F_yk", &TVek::SetF_yk},
      {"L_l", &TVek::SetL_l},     {"ModelSpecialLength", &TVek::SetModelSpecialLength}};
  for (const auto& [name, set] : optional) {
    TVek vek;
    (vek.*set)(kNaN);
    EXPECT_TRUE(vek.IsSetAllUserInput()) << name;
  }
  TVek noSlabConcrete;
  Access::SetF_ck_CeilingTileField(noSlabConcrete, kNaN);
  EXPECT_TRUE(noSlabConcrete.IsSetAllUserInput()) << "F_ck_CeilingTile";
}

TEST(DesignCase, SpecialLengthMethodNeedsTheLength) {
  struct Case {
    TVEKModelLength method;
    double length;
    bool complete;
  };
  for (const Case& c : std::vector<Case>{{TVEKModelLength::INPUT, kNaN, false},
                                         {TVEKModelLength::INPUT, 500, true},
                                         {TVEKModelLength::AUTOMATIC_MODEL_LENGTH, kNaN, true},
                                         {TVEKModelLength::L_ALL, kNaN, true}}) {
    TVek vek;
    vek.SetModelLengthMethod(c.method);
    vek.SetL(c.length);
    EXPECT_EQ(vek.IsSetAllUserInput(), c.complete)
        << static_cast<int>(c.method) << " / " << c.length;
  }
}

TEST(DesignCase, DetachedGeometryIsKnownOnlyWithoutConservativeAssumption) {
  struct Case {
    const char* name;
    bool conservative;
    double x_w, h_w, h_g;
    bool known;
  };
  for (const Case& c : std::vector<Case>{{"all set", false, 10, 2, 5, true},
                                         {"conservative", true, 10, 2, 5, false},
                                         {"x_w missing", false, kNaN, 2, 5, false},
                                         {"h_w missing", false, 10, kNaN, 5, false},
                                         {"h_g null", false, 10, 2, kNullReal, false},
                                         {"zero counts as set", false, 0, 2, 5, true}}) {
    TVek vek;
    vek.SetConservativeAssumptionDetached(c.conservative);
    vek.SetX_w(c.x_w);
    vek.SetH_w(c.h_w);
    vek.SetH_g(c.h_g);
    EXPECT_EQ(Access::IsDetachedGeometryKnown(vek), c.known) << c.name;
  }
}

TEST(DesignCase, BuildingGeometryNeedsAreaAtoEAndBothDimensions) {
  struct Case {
    const char* name;
    bool conservative;
    char16_t area;
    double h, d;
    bool known;
  };
  for (const Case& c : std::vector<Case>{{"area C", false, u'C', 12, 20, true},
                                         {"area E", false, u'E', 12, 20, true},
                                         {"stored lower-case", false, u'c', 12, 20, true},
                                         {"conservative", true, u'C', 12, 20, false},
                                         {"default area", false, u'z', 12, 20, false},
                                         {"area F", false, u'F', 12, 20, false},
                                         {"height missing", false, u'A', kNaN, 20, false},
                                         {"depth null", false, u'A', 12, kNullReal, false}}) {
    TVek vek;
    vek.SetConservativeAssumptionNotDetached(c.conservative);
    Access::SetBuildingAreaField(vek, c.area);
    vek.SetBuilding_h(c.h);
    vek.SetBuilding_d(c.d);
    EXPECT_EQ(Access::IsBuildingGeometryKnown(vek), c.known) << c.name;
  }
  TVek viaSetter;
  viaSetter.SetConservativeAssumptionNotDetached(false);
  viaSetter.SetBuildingArea(u'c');
  viaSetter.SetBuilding_h(12);
  viaSetter.SetBuilding_d(20);
  EXPECT_TRUE(Access::IsBuildingGeometryKnown(viaSetter));
}

TEST(DesignCase, CopyTakesEveryCopiedInput) {
  TVek source(6);
  TVEKSpecialAnchor anchor;
  anchor.H = 90;
  anchor.d_J = 33;
  const std::vector<std::function<void(TVek&)>> edits = {
      [](TVek& v) { v.SetF_ck(45); },
      [](TVek& v) { v.SetH_br(1200); },
      [](TVek& v) { v.SetL_br(3000); },
      [](TVek& v) { v.SetF(140); },
      [](TVek& v) { v.SetL_0(1800); },
      [](TVek& v) { v.SetX(250); },
      [](TVek& v) { v.SetE_(120); },
      [](TVek& v) { v.SetH1(200); },
      [](TVek& v) { v.SetModelLengthMethod(TVEKModelLength::INPUT); },
      [](TVek& v) { v.SetModelSpecialLength(620); },
      [](TVek& v) { v.SetL(620); },
      [](TVek& v) { v.SetModelAutomatic(false); },
      [](TVek& v) { v.SetDetached(false); },
      [](TVek& v) { v.SetX_w(4); },
      [](TVek& v) { v.SetH_w(2); },
      [](TVek& v) { v.SetH_g(6); },
      [](TVek& v) { v.SetBuildingArea(u'b'); },
      [](TVek& v) { v.SetBuilding_h(15); },
      [](TVek& v) { v.SetBuilding_d(30); },
      [](TVek& v) { v.SetQ_p(0.65); },
      [](TVek& v) { v.SetW_p(1.3); },
      [](TVek& v) { v.SetW_n(0.9); },
      [](TVek& v) { v.SetDelta_T(50); },
      [](TVek& v) { v.SetH_1k(1); },
      [](TVek& v) { v.SetA_1z(2); },
      [](TVek& v) { v.SetH_2k(3); },
      [](TVek& v) { v.SetA_2z(4); },
      [](TVek& v) { v.SetV_1k(5); },
      [](TVek& v) { v.SetA_1y(6); },
      [](TVek& v) { v.SetV_2k(7); },
      [](TVek& v) { v.SetA_2y(8); },
      [](TVek& v) { v.SetModalityAdjustable(true); },
      [](TVek& v) { v.SetAnchorVersion(TVEKAnchorVersion::ATTIKA); },
      [](TVek& v) { v.SetIsRebarNr(true); },
      [](TVek& v) { v.SetAnchoringBaseCrackedConcrete(false); },
      [](TVek& v) { v.SetF_ck_CeilingTile(35); },
      [](TVek& v) { v.SetFixturesSpecialScrews(false); },
      [](TVek& v) { v.SetFixturesStainlessSteel(false); },
      [](TVek& v) { v.SetBuildingHeight(TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_18); },
      [](TVek& v) { v.SetWindZone(TVEKWindZone::WZ_3); },
      [](TVek& v) { v.SetRegion(TVEKRegion::BALTIC_SEA_COAST); },
      [](TVek& v) { v.SetConservativeAssumptionDetached(false); },
      [](TVek& v) { v.SetConservativeAssumptionNotDetached(false); },
      [](TVek& v) { v.SetF_yk(510); },
      [](TVek& v) { v.SetF_ysk(540); },
      [](TVek& v) { v.SetF_yck(460); },
      [](TVek& v) { v.SetF_ywk(230); },
      [](TVek& v) { v.SetF_usk(610); },
      [](TVek& v) { v.SetF_uck(660); },
      [](TVek& v) { v.SetL_l(30); },
      [](TVek& v) { v.SetL_l_thrustBearingToFontEdge(60); },
      [](TVek& v) { v.SetZLineStandard(false); },
      [](TVek& v) { v.SetF_t_(1.5); },
      [](TVek& v) { v.SetG_t(0.7); },
      [anchor](TVek& v) { v.SetSpecialAnchor(anchor); },
  };
  TVek expected(6);
  for (const auto& edit : edits) {
    edit(source);
    edit(expected);
  }
  const TVek copy(source);

  EXPECT_EQ(copy.GetModel(), 6);
  const std::vector<std::pair<const char*, double (TVek::*)() const>> reals = {
      {"F_ck", &TVek::GetF_ck},
      {"H_br", &TVek::GetH_br},
      {"L_br", &TVek::GetL_br},
      {"F", &TVek::GetF},
      {"L_0", &TVek::GetL_0},
      {"X", &TVek::GetX},
      {"E_", &TVek::GetE_},
      {"H1", &TVek::GetH1},
      {"L", &TVek::GetL},
      {"ModelSpecialLength", &TVek::GetModelSpecialLength},
      {"X_w", &TVek::GetX_w},
      {"H_w", &TVek::GetH_w},
      {"H_g", &TVek::GetH_g},
      {"Building_h", &TVek::GetBuilding_h},
      {"Building_d", &TVek::GetBuilding_d},
      {"Q_p", &TVek::GetQ_p},
      {"W_p", &TVek::GetW_p},
      {"W_n", &TVek::GetW_n},
      {"Delta_T", &TVek::GetDelta_T},
      {"H_1k", &TVek::GetH_1k},
      {"A_1z", &TVek::GetA_1z},
      {"H_2k", &TVek::GetH_2k},
      {"A_2z", &TVek::GetA_2z},
      {"V_1k", &TVek::GetV_1k},
      {"A_1y", &TVek::GetA_1y},
      {"V_2k", &TVek::GetV_2k},
      {"A_2y", &TVek::GetA_2y},
      {"F_ck_CeilingTile", &TVek::GetF_ck_CeilingTile},
      {"F_yk", &TVek::GetF_yk},
      {"F_ysk", &TVek::GetF_ysk},
      {"F_yck", &TVek::GetF_yck},
      {"F_ywk", &TVek::GetF_ywk},
      {"F_usk", &TVek::GetF_usk},
      {"F_uck", &TVek::GetF_uck},
      {"L_l", &TVek::GetL_l},
      {"L_l_thrustBearingToFontEdge", &TVek::GetL_l_thrustBearingToFontEdge},
      {"F_t_", &TVek::GetF_t_},
      {"G_t", &TVek::GetG_t}};
  for (const auto& [name, get] : reals) {
    EXPECT_EQ((copy.*get)(), (expected.*get)()) << name;
    EXPECT_NE((copy.*get)(), (TVek(6).*get)()) << name << " differs from the default";
  }
  EXPECT_EQ(Access::LlField(copy), 60);
  EXPECT_EQ(copy.GetModelLengthMethod(), TVEKModelLength::INPUT);
  EXPECT_FALSE(copy.GetModelAutomatic());
  EXPECT_FALSE(copy.GetDetached());
  EXPECT_EQ(copy.GetBuildingArea(), u'B');
  EXPECT_TRUE(copy.GetModalityAdjustable());
  EXPECT_EQ(copy.GetAnchorVersion(), TVEKAnchorVersion::ATTIKA);
  EXPECT_TRUE(copy.GetIsRebarNr());
  EXPECT_FALSE(copy.GetAnchoringBaseCrackedConcrete());
  EXPECT_FALSE(copy.GetFixturesSpecialScrews());
  EXPECT_FALSE(copy.GetFixturesStainlessSteel());
  EXPECT_EQ(copy.GetBuildingHeight(), TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_18);
  EXPECT_EQ(copy.GetWindZone(), TVEKWindZone::WZ_3);
  EXPECT_EQ(copy.GetRegion(), TVEKRegion::BALTIC_SEA_COAST);
  EXPECT_FALSE(copy.GetConservativeAssumptionDetached());
  EXPECT_FALSE(copy.GetConservativeAssumptionNotDetached());
  EXPECT_FALSE(copy.GetZLineStandard());
  EXPECT_EQ(copy.GetSpecialAnchor(), anchor);
}

TEST(DesignCase, CopyLeavesOutSettingsResultsAndState) {
  TVek source(3);
  source.SetW_International(false);
  source.SetRedf_ybk(200);
  source.SetF_ytk(230);
  TVEKL lengths = source.GetLVek();
  lengths[3] = 99;
  source.SetLVek(lengths);
  source.SetLws(lengths);
  source.SetDelta_B(40);
  source.SetAssignedVek("VEK – N – 3 – 450 – 150");

  const TVek copy(source);
  EXPECT_TRUE(copy.GetW_International());
  EXPECT_EQ(copy.GetRedf_ybk(), 210);
  EXPECT_EQ(copy.GetF_ytk(), 220);
  EXPECT_EQ(copy.GetLVek(), TVek().GetLVek());
  EXPECT_EQ(copy.GetLws(), TVek().GetLws());
  EXPECT_EQ(copy.GetDeltaBStr(), "");
  EXPECT_EQ(copy.GetAssignedVek(), "");
  EXPECT_EQ(copy.GetState(), TVEKState::DEFAULT);
  EXPECT_FALSE(copy.IsCalculateDB());
}

TEST(DesignCase, CopyKeepsItsDefaultWhereTheSourceIsNaN) {
  TVek source;
  source.SetH_br(kNaN);
  source.SetF_ysk(kNaN);
  source.SetL_l(kNaN);
  Access::SetF_ckField(source, 37.9);  // a grade read from a file need not be whole
  const TVek copy(source);
  EXPECT_EQ(copy.GetH_br(), 1000);
  EXPECT_EQ(copy.GetF_ysk(), 530);
  EXPECT_EQ(copy.GetL_l(), 40);
  EXPECT_TRUE(std::isnan(copy.GetQ_p()));
  EXPECT_TRUE(std::isnan(copy.GetL()));
  EXPECT_EQ(copy.GetF_ck(), 37);
}

TEST(DesignCase, HeightComesFromTheModelTable) {
  TVek vek;
  EXPECT_THROW((void)vek.GetH(), EKeyNotFound);
  Access::AddModelValue(vek, "h", 45);
  EXPECT_EQ(vek.GetH(), 45);
}

TEST(DesignCase, MinOkAnchorNamesSizeLengthAndGap) {
  struct Case {
    TVEKAnchorVersion version;
    bool adjustable;
    int size;
    double length;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{TVEKAnchorVersion::NORMAL, true, 3, 450,
                                          "VEK \u2013 NJ \u2013 3 \u2013 450 \u2013 150"},
                                         {TVEKAnchorVersion::ATTIKA, false, 8, 950,
                                          "VEK \u2013 A \u2013 8 \u2013 950 \u2013 150"},
                                         {TVEKAnchorVersion::UNSET_ANCHOR_VERSION, false, 0, 0,
                                          "VEK \u2013 A \u2013 0 \u2013 0 \u2013 150"}}) {
    TVek vek;
    vek.SetAnchorVersion(c.version);
    vek.SetModalityAdjustable(c.adjustable);
    Access::SetMinOk(vek, c.size, c.length);
    EXPECT_EQ(vek.GetMinOkAnchor(), c.text);
  }
}

}  // namespace
}  // namespace vek
