#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/KeyTable.h"

namespace vek {

enum class TOperatorLanguage { GERMAN, ENGLISH };

// The texts that name the maker, its address and contacts and the developer.
// They belong to whoever operates the program and live in operator/texts.json,
// which the build embeds; each key holds a German ("de") and an English ("en")
// text, either one string or an array of lines.
class TOperatorTexts {
 public:
  static constexpr std::array<std::string_view, 8> kKeys = {
      "TrevaskURL",
      "LblInfoTrevaskDescription",
      "LblInfoTrevaskDescription2",
      "LblInfoTrevaskWebsite",
      "LblInfoCoderDescription",
      "RFooterCompany",
      "RFooterAdress",
      "RFooterWeb",
  };

  // Reads the operator file's content. Never throws: every fault (invalid
  // JSON, a missing, unknown or empty entry) is listed in Problems(), and the
  // faulty entries are left out.
  static TOperatorTexts Parse(std::string_view json);

  // The operator file as embedded at build time, read once.
  static const TOperatorTexts& Embedded();

  // The lines of a text; empty when the file lacks it.
  const std::vector<std::string>& Parts(std::string_view key, TOperatorLanguage language) const;
  // The lines joined with the composed-text separator; empty when the file lacks it.
  std::string Text(std::string_view key, TOperatorLanguage language) const;

  const std::vector<std::string>& Problems() const { return FProblems; }

 private:
  std::array<TKeyTable<std::vector<std::string>>, 2> FParts;
  std::vector<std::string> FProblems;
};

// Content of operator/texts.json at build time (generated source).
std::string_view EmbeddedOperatorTextsJson();

}  // namespace vek
