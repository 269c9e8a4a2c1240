#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "engine/Vek.h"

namespace vek {

// Count of the reals of the special anchor's section as the file stores them.
inline constexpr std::size_t kSpecialAnchorValueCount = 34;
using TSpecialAnchorValues = std::array<double, kSpecialAnchorValueCount>;

TSpecialAnchorValues SpecialAnchorToValues(const TVEKSpecialAnchor& anchor);

// Transfer object of one design case in the project file: plain copies of the stored
// values, named as the file names them. A default-constructed object holds the zero
// values that stand for members missing from a file.
class TJSONVek {
 public:
  static constexpr std::string_view kTypeName = "JSONVek.TJSONVek";

  TJSONVek() = default;
  explicit TJSONVek(const TVek& vek) { SetJSONData(vek); }

  // Copies every stored value from the design case; unset reals become the null real.
  void SetJSONData(const TVek& vek);
  // A design case rebuilt through its setters; recalculates it when a variant was
  // assigned. Throws when the recalculation finds no variant.
  std::unique_ptr<TVek> CreateVek() const;

  double Ff_ck = 0;
  double Fh_br = 0;
  double Fl_br = 0;
  double Ff = 0;
  double Fl_0 = 0;
  double Fx = 0;
  double Fe_ = 0;
  double Fh1 = 0;
  int FModelLengthMethod = 0;  // ordinals of the enumerations
  double FModelSpecialLength = 0;
  double FL = 0;
  int FModel = 0;
  bool FModelAutomatic = false;
  bool FDetached = false;
  double Fx_w = 0;
  double Fh_w = 0;
  double Fh_g = 0;
  char16_t FBuildingArea = 0;
  double FBuilding_h = 0;
  double FBuilding_d = 0;
  double Fq_p = 0;
  double FDelta_T = 0;
  double FH_1k = 0;
  double Fa_1z = 0;
  double FH_2k = 0;
  double Fa_2z = 0;
  double FV_1k = 0;
  double Fa_1y = 0;
  double FV_2k = 0;
  double Fa_2y = 0;
  bool FModalityAdjustable = false;
  double FW_p = 0;
  double FW_n = 0;
  bool FW_international = false;
  int FAnchorVersion = 0;
  bool FAnchoringBaseCrackedConcrete = false;
  double Ff_ck_CeilingTile = 0;
  bool FFixturesSpecialScrews = false;
  bool FFixturesStainlessSteel = false;
  int FBuildingHeight = 0;
  int FWindZone = 0;
  int FRegion = 0;
  bool FConservativeAssumptionDetached = false;
  bool FConservativeAssumptionNotDetached = false;
  double Ff_yk = 0;
  double Ff_ysk = 0;
  double Ff_yck = 0;
  double Ff_ywk = 0;
  double Fredf_ybk = 0;
  double Ff_ytk = 0;
  double Ff_usk = 0;
  double Ff_uck = 0;
  double Fl_l = 0;
  double Fl_l_thrustBearingToFontEdge = 0;
  bool FZLineStandard = false;
  double Ff_t_ = 0;
  double Fg_t = 0;
  TVEKL FLVek{};
  // Absent in files of older writers; the design case then keeps its own values.
  std::optional<TVEKL> FLws;
  TSpecialAnchorValues FSpecialAnchor{};
  TVEKState FState = TVEKState::DEFAULT;
  std::string FAssigned;
  int FSelectedVEKResultModel = 0;
  double FSelectedVEKResultLength = 0;
  // The reinforcement choice changes the result, so it travels too; absent means B500B.
  bool FIsRebarNR = false;
};

// One member of the stored design case: its name and where its value lives. Integers
// with MaxOrdinal >= 0 are enumeration ordinals 0..MaxOrdinal.
struct TJSONVekMember {
  using TPointer =
      std::variant<double TJSONVek::*, int TJSONVek::*, bool TJSONVek::*, char16_t TJSONVek::*,
                   std::string TJSONVek::*, TVEKState TJSONVek::*, TVEKL TJSONVek::*,
                   std::optional<TVEKL> TJSONVek::*, TSpecialAnchorValues TJSONVek::*>;
  std::string_view Name;
  TPointer Pointer;
  int MaxOrdinal = -1;
};

// The members in file order.
std::span<const TJSONVekMember> JSONVekMembers();

}  // namespace vek
