#include "language/Language.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "language/DictionaryEnglish.h"
#include "language/DictionaryGerman.h"

namespace vek {
namespace {

// A small table of its own, with an empty text and format strings.
class TTestDictionary : public IDictionary {
 public:
  TTestDictionary() {
    FillDictionary(FDictionary, {
                                    {"Present", "Text"},
                                    {"Empty", ""},
                                    {"Pair", "%s und %s"},
                                });
  }
  const TDictionaryMap& GetDictionary() const override { return FDictionary; }

 private:
  TDictionaryMap FDictionary;
};

TEST(Language, MissingKeyOrEmptyTextGivesTranslationNotFound) {
  const TLanguage language(std::make_shared<TTestDictionary>());
  EXPECT_EQ(language.PrintL("Present"), "Text");
  for (std::string_view key : {"Empty", "NoSuchKey", "present"}) {
    EXPECT_EQ(language.PrintL(key), "Translation not found!") << key;
    EXPECT_EQ(language.PrintL(key, {"x"}), "Translation not found!") << key;
  }
}

TEST(Language, NewLanguageObjectsStartInGerman) {
  EXPECT_EQ(TLanguage().PrintL("LShortCut"), "DE");
  EXPECT_EQ(TLanguage(nullptr).PrintL("LShortCut"), "DE");
  EXPECT_EQ(Language().PrintL("LShortCut"), "DE");
}

TEST(Language, SetDictionaryReplacesTheTableAndIgnoresNull) {
  auto german = std::make_shared<TDictionaryGerman>();
  const std::weak_ptr<IDictionary> watch = german;
  TLanguage language(std::move(german));

  language.SetDictionary(nullptr);
  EXPECT_EQ(language.PrintL("BtCancel"), "Abbrechen");
  EXPECT_FALSE(watch.expired());

  language.SetDictionary(std::make_shared<TDictionaryEnglish>());
  EXPECT_EQ(language.PrintL("BtCancel"), "Cancel");
  EXPECT_TRUE(watch.expired()) << "the previous table must be released with its last holder";
}

TEST(Language, FormattedLookupFillsPlaceholdersInOrder) {
  const TLanguage language(std::make_shared<TTestDictionary>());
  EXPECT_EQ(language.PrintL("Pair", {"A", "B"}), "A und B");
}

struct TFormatCase {
  std::string_view Format;
  std::vector<std::string> Args;
  std::string_view Expected;
};

TEST(Language, FormatTextNeverFailsOnMismatchedArguments) {
  const TFormatCase cases[] = {
      {"Version %s", {"2.0.0"}, "Version 2.0.0"},
      {"%s%s", {"a", "b", "c"}, "ab"},              // surplus arguments are ignored
      {"no placeholder", {"x"}, "no placeholder"},  // so is every argument here
      {"%s - %s", {"a"}, "a - %s"},                 // a missing argument leaves its gap visible
      {"%s", {}, "%s"},
      {"100%% of %s", {"x"}, "100% of x"},  // "%%" is a percent sign
      {"Zoom 100%", {"x"}, "Zoom 100%"},    // a lone "%" stays
      {"%d %s", {"a"}, "%d a"},             // as does any other directive
      {"%s", {"50%s"}, "50%s"},             // arguments are not formatted again
  };
  for (const TFormatCase& c : cases) {
    EXPECT_EQ(FormatText(c.Format, c.Args), c.Expected) << c.Format;
  }
}

}  // namespace
}  // namespace vek
