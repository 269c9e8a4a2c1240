// Damaged and hostile project files are refused with the load error, without crashing,
// hanging or allocating without bound.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ProjectTestSupport.h"
#include "project/ProjectFileErrors.h"

namespace vek {
namespace {

using test::DefaultProjectText;
using test::Replaced;

struct TDamage {
  const char* Name;
  std::string Bytes;
};

std::string Nested(size_t depth) {
  return std::string(depth, '[') + std::string(depth, ']');
}

std::vector<TDamage> DamagedFiles() {
  const std::string good = DefaultProjectText();
  auto with = [&](const char* from, const std::string& to) { return Replaced(good, from, to); };
  const std::string lvek = "\"FLVek\":[50,50,55,60,70,70,80,80]";
  const std::string anchor34 =
      "[85,144,40,8,11,25,35,20,90,10,24,720,5.5,30,561,110,70,70,110,25,20,30,7,1.5,3,4,0.5,"
      "42,63,124,5,21,31,45]";
  return {
      {"empty file", ""},
      {"only blanks", "  \r\n"},
      {"truncated text", good.substr(0, good.size() / 2)},
      {"one brace missing", good.substr(0, good.size() - 1)},
      {"no JSON", "VEK project"},
      {"an array at the top", "[" + good + "]"},
      {"two projects", good + good},
      {"text after the project", good + "x"},
      {"unknown type", with("JSONVek.TJSONVek", "JSONVek.TJSONVekX")},
      {"type of another class",
       with("\"type\":\"JSONVek.TJSONVek\"", "\"type\":\"JSONVekComponent.TJSONVekComponent\"")},
      {"wrapper without id", with("\"id\":3,", "")},
      {"wrapper without type", with("\"type\":\"JSONVek.TJSONVek\",", "")},
      {"wrapper without fields", R"({"type":"JSONVekProject.TJSONVekProject","id":1})"},
      {"wrapper with an unknown member", with("\"id\":2,", "\"id\":2,\"version\":2,")},
      {"unknown member", with("\"Fh_br\":1000,", "\"Fh_br\":1000,\"FFoo\":1,")},
      {"member given twice", with("\"Fh_br\":1000,", "\"Fh_br\":1000,\"Fh_br\":900,")},
      {"number where a text belongs", with("\"FCompany\":\"\"", "\"FCompany\":5")},
      {"text where a number belongs", with("\"Fh_br\":1000", "\"Fh_br\":\"1000\"")},
      {"boolean where a number belongs", with("\"Fh_br\":1000", "\"Fh_br\":true")},
      {"number where a boolean belongs", with("\"FDetached\":true", "\"FDetached\":1")},
      {"null for a real", with("\"Fh_br\":1000", "\"Fh_br\":null")},
      {"object for a real", with("\"Fh_br\":1000", "\"Fh_br\":{}")},
      {"array for a text", with("\"FCompany\":\"\"", "\"FCompany\":[]")},
      {"FLVek with 3 entries", with(lvek.c_str(), "\"FLVek\":[50,50,55]")},
      {"FLVek with 9 entries", with(lvek.c_str(), "\"FLVek\":[50,50,55,60,70,70,80,80,90]")},
      {"FLVek holding a text", with(lvek.c_str(), "\"FLVek\":[50,50,55,60,\"70\",70,80,80]")},
      {"FSpecialAnchor with 40 entries",
       with(anchor34.c_str(), anchor34.substr(0, anchor34.size() - 1) + ",1,2,3,4,5,6]")},
      {"FSpecialAnchor as an object", with(anchor34.c_str(), "{}")},
      {"huge real", with("\"Fh_br\":1000", "\"Fh_br\":1e999")},
      {"huge quantity", with("\"FQuantity\":1", "\"FQuantity\":99999999999")},
      {"whole number beyond every integer",
       with("\"FModel\":1,", "\"FModel\":184467440737095516150,")},
      {"huge id", with("\"id\":3,", "\"id\":1e400,")},
      {"fraction for a whole number", with("\"FModel\":1,", "\"FModel\":1.5,")},
      {"concrete strength beyond a byte", with("\"Ff_ck\":30", "\"Ff_ck\":300")},
      {"ordinal out of range", with("\"FModelLengthMethod\":0", "\"FModelLengthMethod\":3")},
      {"negative ordinal", with("\"FRegion\":0", "\"FRegion\":-1")},
      {"unknown state", with("\"FState\":\"DEFAULT\"", "\"FState\":\"RUNNING\"")},
      {"two characters for one", with("\"FBuildingArea\":\"z\"", "\"FBuildingArea\":\"AB\"")},
      {"NaN literal", with("\"Fh_br\":1000", "\"Fh_br\":NaN")},
      {"Infinity literal", with("\"Fh_br\":1000", "\"Fh_br\":Infinity")},
      {"component without design case",
       with(good.substr(good.find("\"FVek\":"),
                        good.find(",\"FPosition\"") - good.find("\"FVek\":") + 1)
                .c_str(),
            "")},
      {"design case null", with("\"FVek\":{\"type\":\"JSONVek.TJSONVek\",\"id\":3,",
                                "\"FVek\":null,\"x\":{\"type\":\"JSONVek.TJSONVek\",\"id\":3,")},
      {"deeply nested arrays in a member", with(lvek.c_str(), "\"FLVek\":" + Nested(100000))},
      {"deeply nested arrays as the file", Nested(1000000)},
      {"deeply nested objects", std::string(200000, '{')},
      {"invalid escape", with("\"FCompany\":\"\"", "\"FCompany\":\"\\x\"")},
      {"half a surrogate pair", with("\"FCompany\":\"\"", "\"FCompany\":\"\\ud800\"")},
      {"control byte outside a text", with("\"id\":1,", "\"id\":1,\x01")},
      {"UTF-8 mark and invalid UTF-8",
       "\xEF\xBB\xBF" + with("\"FCompany\":\"\"", "\"FCompany\":\"\xC3\x28\"")},
      {"byte-order mark and garbage", "\xEF\xBB\xBF\x01\x02garbage"},
      {"UTF-16 mark and an odd byte count", std::string("\xFF\xFE{\0\"", 5)},
      {"UTF-16 mark and half a surrogate pair", std::string("\xFE\xFF\xD8\x00\x00\x41", 6)},
      {"50 MB text",
       with("\"FCompany\":\"\"", "\"FCompany\":\"" + std::string(50u << 20, 'a') + "\"")},
  };
}

TEST(DamagedProjectFileTest, EveryDamagedFileIsRefusedWithTheLoadError) {
  for (const TDamage& damage : DamagedFiles()) {
    try {
      ReadProjectFileBytes(damage.Bytes);
      ADD_FAILURE() << damage.Name << ": accepted";
    } catch (const ELoadProjectError& error) {
      EXPECT_EQ(std::string(error.what()), test::LoadErrorText()) << damage.Name;
      EXPECT_FALSE(error.Reason().empty()) << damage.Name;
    }
  }
}

TEST(DamagedProjectFileTest, FilesThatCannotBeReadAreRefusedWithTheLoadError) {
  test::TTempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "pipe.vek").c_str(), 0600), 0);
  const std::filesystem::path paths[] = {folder / "missing.vek", folder.Path(), "/dev/null",
                                         "/dev/zero", folder / "pipe.vek"};
  for (const auto& path : paths) {
    EXPECT_THROW(LoadProjectFromFile(path), ELoadProjectError) << path;
  }
}

}  // namespace
}  // namespace vek
