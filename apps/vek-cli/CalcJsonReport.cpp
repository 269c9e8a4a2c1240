// The JSON report of "calc". Other programs read it, so its member names and order stay
// as they are.
#include <charconv>
#include <cmath>

#include "CalcReport.h"

namespace vek {

namespace {

const char* EnumName(TVEKModelLength value) {
  switch (value) {
    case TVEKModelLength::AUTOMATIC_MODEL_LENGTH:
      return "AUTOMATIC_MODEL_LENGTH";
    case TVEKModelLength::INPUT:
      return "INPUT";
    case TVEKModelLength::L_ALL:
      return "L_ALL";
  }
  return "";
}

const char* EnumName(TVEKAnchorVersion value) {
  switch (value) {
    case TVEKAnchorVersion::UNSET_ANCHOR_VERSION:
      return "UNSET_ANCHOR_VERSION";
    case TVEKAnchorVersion::NORMAL:
      return "NORMAL";
    case TVEKAnchorVersion::ATTIKA:
      return "ATTIKA";
  }
  return "";
}

const char* EnumName(TVEKBuildingHeight value) {
  switch (value) {
    case TVEKBuildingHeight::UNSET_BUILDING_HEIGHT:
      return "UNSET_BUILDING_HEIGHT";
    case TVEKBuildingHeight::LESS_THAN_OR_EQUAL_10:
      return "LESS_THAN_OR_EQUAL_10";
    case TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_18:
      return "GREATER_THAN_10_LESS_THAN_18";
    case TVEKBuildingHeight::GREATER_THAN_10_LESS_THAN_25:
      return "GREATER_THAN_10_LESS_THAN_25";
  }
  return "";
}

const char* EnumName(TVEKWindZone value) {
  switch (value) {
    case TVEKWindZone::UNSET_WZ:
      return "UNSET_WZ";
    case TVEKWindZone::WZ_1:
      return "WZ_1";
    case TVEKWindZone::WZ_2:
      return "WZ_2";
    case TVEKWindZone::WZ_3:
      return "WZ_3";
    case TVEKWindZone::WZ_4:
      return "WZ_4";
  }
  return "";
}

const char* EnumName(TVEKRegion value) {
  switch (value) {
    case TVEKRegion::UNSET_REGION:
      return "UNSET_REGION";
    case TVEKRegion::BALTIC_SEA_COAST:
      return "BALTIC_SEA_COAST";
    case TVEKRegion::BALTIC_SEA_ISLAND:
      return "BALTIC_SEA_ISLAND";
    case TVEKRegion::NORTH_SEA_COAST:
      return "NORTH_SEA_COAST";
    case TVEKRegion::NORTH_SEA_ISLAND:
      return "NORTH_SEA_ISLAND";
    case TVEKRegion::INLAND:
      return "INLAND";
  }
  return "";
}

// A compact JSON object or array being written; members are separated as they come.
class TJsonOut {
 public:
  std::string Take() { return std::move(FOut); }

  void Begin(char bracket) {
    Separate();
    FOut += bracket;
    FFirst = true;
  }
  void End(char bracket) {
    FOut += bracket;
    FFirst = false;
  }
  void Key(std::string_view name) {
    Separate();
    Text(name);
    FOut += ':';
    FFirst = true;  // the value follows without a comma
  }

  void Value(std::string_view text) {
    Separate();
    Text(text);
  }
  void Value(const char* text) { Value(std::string_view(text)); }
  void Value(const std::string& text) { Value(std::string_view(text)); }
  void Value(bool value) {
    Separate();
    FOut += value ? "true" : "false";
  }
  void Value(int value) {
    Separate();
    FOut += std::to_string(value);
  }
  // The shortest form that reads back as the same double.
  void Value(double value) {
    Separate();
    if (!std::isfinite(value)) {
      FOut += "null";
      return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    FOut.append(buffer, result.ptr);
  }
  void Null() {
    Separate();
    FOut += "null";
  }
  template <class T>
  void Member(std::string_view name, const T& value) {
    Key(name);
    Value(value);
  }

 private:
  void Separate() {
    if (!FFirst) {
      FOut += ',';
    }
    FFirst = false;
  }

  void Text(std::string_view text) {
    FOut += '"';
    for (char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      switch (c) {
        case '"':
          FOut += "\\\"";
          break;
        case '\\':
          FOut += "\\\\";
          break;
        case '\b':
          FOut += "\\b";
          break;
        case '\f':
          FOut += "\\f";
          break;
        case '\n':
          FOut += "\\n";
          break;
        case '\r':
          FOut += "\\r";
          break;
        case '\t':
          FOut += "\\t";
          break;
        default:
          if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            FOut += "\\u00";
            FOut += kHex[byte >> 4];
            FOut += kHex[byte & 0xF];
          } else {
            FOut += c;
          }
      }
    }
    FOut += '"';
  }

  std::string FOut;
  bool FFirst = true;
};

void Proofs(TJsonOut& json, const TVEKProofTableRef& table) {
  json.Key("proofs");
  json.Begin('{');
  if (table) {
    for (const auto& [key, proof] : *table) {
      json.Key(key);
      json.Begin('{');
      json.Member("IsProof", proof.IsProof);
      json.Member("Value1", proof.Value1);
      json.Member("Value2", proof.Value2);
      json.Member("Value3", proof.Value3);
      json.Member("Value4", proof.Value4);
      json.Member("Value5", proof.Value5);
      json.Member("Operator", proof.Operator);
      json.End('}');
    }
  }
  json.End('}');
}

// Every field of the record in its declared order, except the proof table reference.
void Variant(TJsonOut& json, const TVEKResult& r) {
  json.Begin('{');
  json.Member("Description", r.Description);
  json.Member("Model", r.Model);
  json.Member("ModelAlias", r.ModelAlias);
  json.Member("Length", r.Length);
  json.Member("VekModelLengthMethod", EnumName(r.VekModelLengthMethod));
  json.Member("MaxWorkload", r.MaxWorkload);
  json.Member("DecisiveProof", r.DecisiveProof);
  json.Member("GeoWarning", r.GeoWarning);
  json.Member("IsWarning", r.IsWarning);
  json.Member("IsAllProof", r.IsAllProof);
  json.Member("IsWorkloadCalculate", r.IsWorkloadCalculate);
  json.Member("AnchorVersion", EnumName(r.AnchorVersion));
  json.Member("IsModalityAdjustable", r.IsModalityAdjustable);
  json.Member("IsSpecialScrew", r.IsSpecialScrew);
  json.Member("IsStainlessSteel", r.IsStainlessSteel);
  json.Member("CeilingTile_CrackedConcrete", r.CeilingTile_CrackedConcrete);
  json.Member("CeilingTile_F_ck", r.CeilingTile_F_ck);
  json.Member("MinStructuralSafety", r.MinStructuralSafety);
  json.Member("E_", r.E_);
  json.Member("H_1", r.H_1);
  json.Member("C_1", r.C_1);
  json.Member("D_1", r.D_1);
  json.Member("D_s", r.D_s);
  json.Member("Gk", r.Gk);
  json.Member("Wpos_k", r.Wpos_k);
  json.Member("Wneg_k", r.Wneg_k);
  json.Member("FT_k", r.FT_k);
  json.Member("F_y_k_C", r.F_y_k_C);
  json.Member("F_z_k_C", r.F_z_k_C);
  json.Member("BuildingHeight", EnumName(r.BuildingHeight));
  json.Member("WindZone", EnumName(r.WindZone));
  json.Member("Region", EnumName(r.Region));
  json.Member("MaxFd_B_z_d", r.MaxFd_B_z_d);
  json.Member("MaxFd_B_x_d", r.MaxFd_B_x_d);
  json.Member("M_plyd", r.M_plyd);
  json.Member("M_plzd", r.M_plzd);
  json.Member("V_plyd", r.V_plyd);
  json.Member("V_plzd", r.V_plzd);
  json.Member("N_pld", r.N_pld);
  json.Member("N_dA", r.N_dA);
  json.Member("N_dB", r.N_dB);
  json.Member("N_dC", r.N_dC);
  json.Member("V_zdA", r.V_zdA);
  json.Member("V_ydA", r.V_ydA);
  json.Member("V_zdB", r.V_zdB);
  json.Member("V_ydB", r.V_ydB);
  json.Member("V_zdC", r.V_zdC);
  json.Member("V_ydC", r.V_ydC);
  json.Member("M_zdA", r.M_zdA);
  json.Member("M_ydA", r.M_ydA);
  json.Member("M_zdB", r.M_zdB);
  json.Member("M_ydB", r.M_ydB);
  json.Member("M_zdC", r.M_zdC);
  json.Member("M_ydC", r.M_ydC);
  json.Member("A_zd_min", r.A_zd_min);
  json.Member("A_zd_max", r.A_zd_max);
  json.Member("A_zd_abs_max", r.A_zd_abs_max);
  json.Member("B_zd_min", r.B_zd_min);
  json.Member("B_zd_max", r.B_zd_max);
  json.Member("B_zd_abs_max", r.B_zd_abs_max);
  json.Member("B_xd_min", r.B_xd_min);
  json.Member("B_xd_max", r.B_xd_max);
  json.Member("B_xd_abs_max", r.B_xd_abs_max);
  json.Member("B_yd_min", r.B_yd_min);
  json.Member("B_yd_max", r.B_yd_max);
  json.Member("B_yd_abs_max", r.B_yd_abs_max);
  json.Member("cnom_i", r.cnom_i);
  json.Member("cnom_e", r.cnom_e);
  json.Member("t_e", r.t_e);
  json.Member("phi", r.phi);
  json.Member("l_con", r.l_con);
  json.Member("reinf", r.reinf);
  json.Member("h_vek", r.h_vek);
  json.Member("b_vek", r.b_vek);
  json.Member("CompSign", r.CompSign);
  Proofs(json, r.ProofDB);
  json.End('}');
}

}  // namespace

std::string CalcJsonReport(const TCalcOutcome& outcome) {
  TJsonOut json;
  json.Begin('{');
  json.Key("components");
  json.Begin('[');
  const auto& components = outcome.Project->GetVekComponentList();
  for (size_t i = 0; i < components.size(); ++i) {
    const TVekComponent& component = *components[i];
    const TVek& vek = *component.GetVek();
    json.Begin('{');
    json.Member("position", component.GetPosition());
    json.Member("component", component.GetComponent());
    json.Member("quantity", component.GetQuantity());
    json.Member("state", TVek::StateToStr(vek.GetState()));
    json.Member("assigned", vek.GetAssignedVek());
    json.Key("minOkAnchor");
    if (vek.GetState() == TVEKState::DEFAULT) {
      json.Null();  // no search has run for the current inputs
    } else {
      json.Value(vek.GetMinOkAnchor());
    }
    json.Key("error");
    if (i < outcome.Errors.size() && outcome.Errors[i]) {
      json.Value(*outcome.Errors[i]);
    } else {
      json.Null();
    }
    json.Key("variants");
    json.Begin('[');
    if (const TVEKResultTable* table = vek.GetVEKModelResultDB()) {
      for (const std::string& key : table->OrdinalKeys()) {
        Variant(json, table->Get(key));
      }
    }
    json.End(']');
    json.End('}');
  }
  json.End(']');
  json.End('}');
  return json.Take() + "\n";
}

}  // namespace vek
