#include "language/OperatorTexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"
#include "language/Language.h"

namespace vek {
namespace {

std::string ReadOperatorFile() {
  std::ifstream file(VEK_OPERATOR_TEXTS_FILE, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

std::string Problems(const TOperatorTexts& texts) {
  std::string all;
  for (const std::string& problem : texts.Problems()) {
    all += problem + "\n";
  }
  return all;
}

TEST(OperatorTexts, FileHoldsEveryOperatorTextInBothLanguages) {
  const std::string file = ReadOperatorFile();
  ASSERT_FALSE(file.empty()) << "cannot read " << VEK_OPERATOR_TEXTS_FILE;
  const TOperatorTexts texts = TOperatorTexts::Parse(file);
  EXPECT_TRUE(texts.Problems().empty()) << Problems(texts);
  EXPECT_EQ(EmbeddedOperatorTextsJson(), file) << "the embedded copy is stale";
}

TEST(OperatorTexts, FileTextsReachBothTables) {
  const TOperatorTexts file = TOperatorTexts::Parse(ReadOperatorFile());
  const TLanguage german(std::make_shared<TDictionaryGerman>());
  const TLanguage english(std::make_shared<TDictionaryEnglish>());
  for (std::string_view key : TOperatorTexts::kKeys) {
    std::string expectedGerman = file.Text(key, TOperatorLanguage::GERMAN);
    std::string expectedEnglish = file.Text(key, TOperatorLanguage::ENGLISH);
    if (key == "LblInfoTrevaskDescription2") {
      // The sentence follows the address after an empty line.
      expectedGerman = "\n\r\n\r" + expectedGerman;
      expectedEnglish = "\n\r\n\r" + expectedEnglish;
    }
    EXPECT_EQ(german.PrintL(key), expectedGerman) << key;
    EXPECT_EQ(english.PrintL(key), expectedEnglish) << key;
  }
}

TEST(OperatorTexts, LinesOfAnArrayAreJoinedWithLineFeedThenCarriageReturn) {
  const TOperatorTexts texts = TOperatorTexts::Parse(R"({
      "TrevaskURL": {"de": ["Zeile 1", "Zeile 2", "Zeile 3"], "en": "one"}})");
  EXPECT_EQ(texts.Text("TrevaskURL", TOperatorLanguage::GERMAN), "Zeile 1\n\rZeile 2\n\rZeile 3");
  EXPECT_EQ(texts.Text("TrevaskURL", TOperatorLanguage::ENGLISH), "one");
}

// An operator file with every key; `omit` leaves one key out, `extra` adds members.
std::string OperatorFile(std::string_view omit = "", std::string_view extra = "") {
  std::string json = "{";
  for (std::string_view key : TOperatorTexts::kKeys) {
    if (key != omit) {
      json += "\"" + std::string(key) + "\": {\"de\": \"DE text\", \"en\": \"EN text\"},";
    }
  }
  json += extra;
  json += "\"_note\": \"ignored\"}";
  return json;
}

TEST(OperatorTexts, FaultsOfTheFileAreReportedByKey) {
  struct TCase {
    std::string Json;
    std::string_view Problem;
  };
  const TCase cases[] = {
      {OperatorFile("RFooterWeb"), "missing key 'RFooterWeb'"},
      {OperatorFile("RFooterWeb", R"("RFooterWeb": {"de": "x"},)"),
       "key 'RFooterWeb', language 'en': missing"},
      {OperatorFile("RFooterWeb", R"("RFooterWeb": {"de": "", "en": "x"},)"),
       "key 'RFooterWeb', language 'de': needs"},
      {OperatorFile("RFooterWeb", R"("RFooterWeb": {"de": ["a", 1], "en": "x"},)"),
       "key 'RFooterWeb', language 'de': needs"},
      {OperatorFile("RFooterWeb", R"("RFooterWeb": "x",)"), "key 'RFooterWeb', language 'de'"},
      {OperatorFile("", R"("RFooterAddress": {"de": "x", "en": "x"},)"),
       "unknown key 'RFooterAddress'"},
      {"{\"TrevaskURL\": ", "invalid JSON"},
      {"[]", "one JSON object"},
  };
  EXPECT_TRUE(TOperatorTexts::Parse(OperatorFile()).Problems().empty())
      << Problems(TOperatorTexts::Parse(OperatorFile()));
  for (const TCase& c : cases) {
    const std::string problems = Problems(TOperatorTexts::Parse(c.Json));
    EXPECT_NE(problems.find(c.Problem), std::string::npos) << c.Json << "\n" << problems;
  }
}

TEST(OperatorTexts, AMissingTextShowsTranslationNotFound) {
  for (std::string_view key : {"RFooterWeb", "LblInfoTrevaskDescription2"}) {
    const TOperatorTexts texts = TOperatorTexts::Parse(OperatorFile(key));
    const TLanguage german(std::make_shared<TDictionaryGerman>(texts));
    const TLanguage english(std::make_shared<TDictionaryEnglish>(texts));
    EXPECT_EQ(german.PrintL(key), "Translation not found!") << key;
    EXPECT_EQ(english.PrintL(key), "Translation not found!") << key;
    EXPECT_EQ(german.PrintL("RFooterCompany"), "DE text");
  }
}

}  // namespace
}  // namespace vek
