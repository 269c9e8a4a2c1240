// The command-line tool: exit codes, the reports and rewriting a project.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

#include "ProjectTestSupport.h"
#include "VekCli.h"
#include "language/DictionaryGerman.h"

namespace vek {
namespace {

// Objects keep the order of their members, as the report writes them.
using json = nlohmann::ordered_json;

struct TRun {
  int Code;
  std::string Out;
  std::string Err;
};

TRun RunCli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunVekCli(args, out, err);
  // The tool may switch the language; the other tests expect German.
  Language().SetDictionary(std::make_shared<TDictionaryGerman>());
  return {code, out.str(), err.str()};
}

class VekCliTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    const auto path = FFolder / name;
    test::WriteBytes(path, text);
    return path.string();
  }
  test::TTempFolder FFolder;
};

TEST_F(VekCliTest, ExitCodesTellSuccessUnreadableFilesAndUsageErrors) {
  const std::string small = test::ExamplePath("small-project.vek").string();
  const std::string damaged = Write("damaged.vek", "{\"type\":");
  const std::string adminOnly = Write(
      "admin.vek", test::Replaced(test::DefaultProjectText(), "\"FModel\":1,", "\"FModel\":9,"));
  const struct {
    std::vector<std::string> Args;
    int Code;
  } cases[] = {
      {{"--help"}, kExitSuccess},
      {{"calc", "--help"}, kExitSuccess},
      {{"rewrite", small, (FFolder / "out.vek").string()}, kExitSuccess},
      {{"calc", (FFolder / "missing.vek").string()}, kExitFileError},
      {{"calc", damaged, "--json"}, kExitFileError},
      {{"rewrite", damaged, (FFolder / "out2.vek").string()}, kExitFileError},
      {{"calc", adminOnly}, kExitFileError},
      {{"rewrite", small, (FFolder / "no" / "out.vek").string()}, kExitFileError},
      {{}, kExitUsageError},
      {{"frobnicate"}, kExitUsageError},
      {{"calc", "--xml"}, kExitUsageError},
      {{"calc", "--lang", "fr"}, kExitUsageError},
      {{"calc", "--lang"}, kExitUsageError},
      {{"calc", small, small}, kExitUsageError},
      {{"rewrite", small}, kExitUsageError},
      {{"rewrite", small, "a.vek", "b.vek"}, kExitUsageError},
  };
  for (const auto& c : cases) {
    const TRun run = RunCli(c.Args);
    std::string line;
    for (const auto& arg : c.Args) {
      line += arg + " ";
    }
    EXPECT_EQ(run.Code, c.Code) << line << run.Err;
    if (c.Code == kExitFileError && line.starts_with("calc")) {
      EXPECT_TRUE(run.Err.starts_with(test::LoadErrorText()) ||
                  run.Err.starts_with(Language().PrintL("ErrorLoadAdminProjectData")))
          << run.Err;
    }
  }
  EXPECT_FALSE(std::filesystem::exists(FFolder / "out2.vek"));
}

TEST_F(VekCliTest, TheHelpNamesEveryCommandAndTheExitCodes) {
  const TRun run = RunCli({"--help"});
  for (const char* part : {"calc [FILE.vek] [--json] [--lang de|en]", "rewrite IN.vek OUT.vek",
                           "Exit codes: 0", "1 the file could not be read", "2 usage error"}) {
    EXPECT_NE(run.Out.find(part), std::string::npos) << part;
  }
}

TEST_F(VekCliTest, RewriteWritesWhatOpeningTheProjectGives) {
  const auto in = test::ExamplePath("several-positions.vek");
  const auto out = FFolder / "rewritten.vek";
  ASSERT_EQ(RunCli({"rewrite", in.string(), out.string()}).Code, kExitSuccess);
  EXPECT_EQ(test::FileBytes(out), WriteProjectFileBytes(*LoadProjectFromFile(in)));
}

void ExpectNumber(const json& value, double expected, const std::string& field) {
  if (!std::isfinite(expected)) {
    EXPECT_TRUE(value.is_null()) << field;
  } else {
    ASSERT_TRUE(value.is_number()) << field;
    EXPECT_EQ(value.get<double>(), expected) << field << ": full precision";
  }
}

TEST_F(VekCliTest, TheJsonReportHoldsEveryVariantFieldByField) {
  const auto path = test::ExamplePath("small-project.vek");
  const TRun run = RunCli({"calc", path.string(), "--json"});
  ASSERT_EQ(run.Code, kExitSuccess) << run.Err;
  const json report = json::parse(run.Out);
  ASSERT_EQ(report.size(), 1u);
  ASSERT_EQ(report.at("components").size(), 1u);
  const json& c = report["components"][0];

  const auto project = LoadProjectFromFile(path);
  const TVekComponent& component = *project->GetVekComponentList()[0];
  const TVek& vek = *component.GetVek();
  std::vector<std::string> keys;
  for (const auto& [key, value] : c.items()) {
    keys.push_back(key);
  }
  EXPECT_EQ(keys.size(), 8u);
  EXPECT_EQ(c["position"], "Pos. 1");
  EXPECT_EQ(c["component"], "Brüstung Achse A/B");
  EXPECT_EQ(c["quantity"], 14);
  EXPECT_EQ(c["state"], "ASSIGNED");
  EXPECT_EQ(c["assigned"], vek.GetAssignedVek());
  EXPECT_EQ(c["minOkAnchor"], vek.GetMinOkAnchor());
  EXPECT_TRUE(c["error"].is_null());

  const TVEKResultTable& table = *vek.GetVEKModelResultDB();
  const std::vector<std::string> ordinal = table.OrdinalKeys();
  ASSERT_EQ(c["variants"].size(), ordinal.size());
  for (size_t i = 0; i < ordinal.size(); ++i) {
    const json& v = c["variants"][i];
    const TVEKResult& r = table.Get(ordinal[i]);
    EXPECT_EQ(v.size(), 76u) << "every field but the proof table, and the proofs";
    EXPECT_EQ(v["Description"], r.Description);
    EXPECT_EQ(v["Model"], r.Model);
    EXPECT_EQ(v["ModelAlias"], r.ModelAlias);
    EXPECT_EQ(v["VekModelLengthMethod"], "AUTOMATIC_MODEL_LENGTH");
    EXPECT_EQ(v["AnchorVersion"], "NORMAL");
    EXPECT_EQ(v["BuildingHeight"], "UNSET_BUILDING_HEIGHT");
    EXPECT_EQ(v["WindZone"], "UNSET_WZ");
    EXPECT_EQ(v["Region"], "UNSET_REGION");
    EXPECT_EQ(v["DecisiveProof"], r.DecisiveProof);
    EXPECT_EQ(v["GeoWarning"], r.GeoWarning);
    EXPECT_EQ(v["IsAllProof"], r.IsAllProof);
    EXPECT_EQ(v["IsWarning"], r.IsWarning);
    EXPECT_EQ(v["reinf"], r.reinf);
    EXPECT_EQ(v["CompSign"], r.CompSign);
    const std::pair<const char*, double> numbers[] = {
        {"Length", r.Length},
        {"MaxWorkload", r.MaxWorkload},
        {"MinStructuralSafety", r.MinStructuralSafety},
        {"C_1", r.C_1},
        {"Gk", r.Gk},
        {"FT_k", r.FT_k},
        {"F_z_k_C", r.F_z_k_C},
        {"MaxFd_B_z_d", r.MaxFd_B_z_d},
        {"M_plyd", r.M_plyd},
        {"V_zdA", r.V_zdA},
        {"M_ydC", r.M_ydC},
        {"A_zd_max", r.A_zd_max},
        {"B_zd_max", r.B_zd_max},
        {"B_xd_max", r.B_xd_max},
        {"B_yd_abs_max", r.B_yd_abs_max},
        {"l_con", r.l_con},
        {"b_vek", r.b_vek}};
    for (const auto& [field, value] : numbers) {
      ExpectNumber(v[field], value, field);
    }
    ASSERT_TRUE(r.ProofDB);
    const json& proofs = v["proofs"];
    ASSERT_EQ(proofs.size(), r.ProofDB->Count());
    auto it = proofs.items().begin();
    for (const auto& [key, proof] : *r.ProofDB) {
      EXPECT_EQ(it.key(), key) << "table order";
      const json& p = it.value();
      EXPECT_EQ(p.size(), 7u);
      EXPECT_EQ(p["IsProof"], proof.IsProof);
      ExpectNumber(p["Value1"], proof.Value1, key + ".Value1");
      ExpectNumber(p["Value2"], proof.Value2, key + ".Value2");
      EXPECT_EQ(p["Value3"], proof.Value3);
      ExpectNumber(p["Value4"], proof.Value4, key + ".Value4");
      EXPECT_EQ(p["Value5"], proof.Value5);
      EXPECT_EQ(p["Operator"], proof.Operator);
      ++it;
    }
  }
}

TEST_F(VekCliTest, CalcCalculatesOpenComponentsAndSaysWhatIsMissing) {
  std::string text = test::DefaultProjectText();
  const size_t begin = text.find("{\"type\":\"JSONVekComponent");
  const size_t end = text.find("],\"FProject\"");
  const std::string open = text.substr(begin, end - begin);
  std::string noWind =
      test::Replaced(open, "\"FW_international\":true", "\"FW_international\":false");
  noWind = test::Replaced(noWind, "\"FPosition\":\"P1\"", "\"FPosition\":\"P2\"");
  text = text.substr(0, end) + "," + noWind + text.substr(end);

  const json report = json::parse(RunCli({"calc", Write("open.vek", text), "--json"}).Out);
  const json& calculated = report["components"][0];
  EXPECT_EQ(calculated["state"], "ASSIGNED");
  EXPECT_EQ(calculated["variants"].size(), 96u);
  const json& missing = report["components"][1];
  EXPECT_EQ(missing["state"], "DEFAULT");
  EXPECT_EQ(missing["error"], "missing inputs: Q_p");
  EXPECT_TRUE(missing["minOkAnchor"].is_null());
  EXPECT_TRUE(missing["variants"].empty());
}

TEST_F(VekCliTest, WithoutAFileCalcDesignsOneDefaultComponent) {
  const TRun run = RunCli({"calc", "--json"});
  ASSERT_EQ(run.Code, kExitSuccess);
  const json report = json::parse(run.Out);
  const json& c = report["components"][0];
  EXPECT_EQ(c["position"], "Position 1");
  EXPECT_EQ(c["component"], "Unbenanntes Bauteil");
  EXPECT_EQ(c["quantity"], 1);
  EXPECT_EQ(c["state"], "ASSIGNED");
}

TEST_F(VekCliTest, TheReadableReportUsesTheChosenLanguage) {
  const std::string path = test::ExamplePath("small-project.vek").string();
  const TRun german = RunCli({"calc", path});
  const TRun english = RunCli({"calc", path, "--lang", "en"});
  EXPECT_NE(german.Out.find("Assigned: VEK – N – 3 –"), std::string::npos) << german.Out;
  EXPECT_NE(german.Out.find("Länge VEK"), std::string::npos);
  EXPECT_NE(german.Out.find("maßgebend"), std::string::npos);
  EXPECT_NE(english.Out.find("Length VEK"), std::string::npos);
  EXPECT_EQ(english.Out.find("Länge VEK"), std::string::npos);
}

}  // namespace
}  // namespace vek
