#include "engine/DesignConstants.h"
#include "engine/ModelSizeTable.h"
#include "engine/Vek.h"

namespace vek {

namespace {

// Largest anchor length of a special anchor, mm.
constexpr double kSpecialAnchorLMaxAdmin = 3000;

// Size 9 takes its constant keys from the special anchor record, in table order. A key
// takes the record field, or the fixed value where there is no field.
struct TSpecialAnchorKey {
  const char* Key;
  double TVEKSpecialAnchor::*Field;
  double Fixed = 0;
};

constexpr TSpecialAnchorKey kSpecialAnchorKeys[] = {
    {"h", &TVEKSpecialAnchor::H},
    {"b", &TVEKSpecialAnchor::B},
    {"b_2", &TVEKSpecialAnchor::B2},
    {"t", &TVEKSpecialAnchor::T},
    {"r_", &TVEKSpecialAnchor::R},
    {"c_nom_i", &TVEKSpecialAnchor::C_nom_i},
    {"c_nom_e", &TVEKSpecialAnchor::C_nom_e},
    {"phi", &TVEKSpecialAnchor::Phi},
    {"i", &TVEKSpecialAnchor::I},
    {"o", &TVEKSpecialAnchor::O},
    {"l_con", &TVEKSpecialAnchor::El_con},
    {"a_w", &TVEKSpecialAnchor::A},
    {"d_1", &TVEKSpecialAnchor::D_1},
    {"A_Sp=S", &TVEKSpecialAnchor::A_Sp_S},
    {"length_bolt", &TVEKSpecialAnchor::D_w},
    {"alpha", nullptr, kAlphaImperfection},  // the same for every size
    {"d_s", &TVEKSpecialAnchor::D_s},
    {"S", &TVEKSpecialAnchor::S},
    {"n_t", &TVEKSpecialAnchor::N_t},
    {"h_t", &TVEKSpecialAnchor::H_t},
    {"b_t", &TVEKSpecialAnchor::B_t},
    {"t_t", &TVEKSpecialAnchor::T_t},
    {"c_t", &TVEKSpecialAnchor::C_t},
    {"l_t", &TVEKSpecialAnchor::El_t},
    {"L_t", &TVEKSpecialAnchor::L_t},
    {"s_t-t_t", &TVEKSpecialAnchor::S_t_t_t},
    {"d_l", &TVEKSpecialAnchor::D_L},
    {"d_J", &TVEKSpecialAnchor::d_J},
    {"serratedWasher_L_t", &TVEKSpecialAnchor::L_t},
    {"l_w", &TVEKSpecialAnchor::L_ws},
    // The values the standard sizes take from their product data: the special anchor
    // is limited like the small sizes, needs a panel as high as its reinforcement is
    // long, and takes its plates from the threaded plate, the bearing plate and the
    // profile sheet.
    {"L_max_admin", nullptr, kSpecialAnchorLMaxAdmin},
    {"h_br_min", &TVEKSpecialAnchor::El_con},
    {"u", &TVEKSpecialAnchor::T_tp},
    {"_a", &TVEKSpecialAnchor::A_tp},
    {"_c", &TVEKSpecialAnchor::A_sp},
    {"s_", &TVEKSpecialAnchor::T},
};

}  // namespace

void TVek::PreCalculateModelDB(bool OnlyConstValue) {
  if (!OnlyConstValue && !IsSetAllUserInput()) {
    return;
  }
  FModelDB.Clear();
  if (FModel == 9) {
    AddSpecialAnchorModelConstants();
  } else {
    AddStandardModelConstants();
  }
  if (OnlyConstValue) {
    return;
  }
  if (!FModalityAdjustable) {
    // Without the adjusting screw the lower flange has no hole for it.
    FModelDB["d_J"] = 0.0;
  }
  AddModelProfileValues();
  AddModelResistances();
  AddModelBearingValues();
}

void TVek::AddStandardModelConstants() {
  for (const TModelSizeRow& row : ModelSizeRows()) {
    double value = 0;
    switch (row.Source) {
      case TModelSizeSource::SIZE_COLUMN:
        value = row.Values[static_cast<std::size_t>(FModel - 1)];
        break;
      case TModelSizeSource::COVER_INNER:
        value = FIsRebarNR ? kCoverRebarNr : kCoverInner;
        break;
      case TModelSizeSource::COVER_OUTER:
        value = FIsRebarNR ? kCoverRebarNr : kCoverOuter;
        break;
      case TModelSizeSource::SCREW_LENGTH:
        value = FLVek[FModel];
        break;
      case TModelSizeSource::WELD_LENGTH:
        value = FLws[FModel];
        break;
    }
    FModelDB.Add(row.Key, value);
  }
}

void TVek::AddSpecialAnchorModelConstants() {
  for (const TSpecialAnchorKey& entry : kSpecialAnchorKeys) {
    FModelDB.Add(entry.Key, entry.Field != nullptr ? FSpecialAnchor.*entry.Field : entry.Fixed);
  }
}

}  // namespace vek
