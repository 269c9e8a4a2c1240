#include "language/OperatorTexts.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "language/Dictionary.h"

namespace vek {
namespace {

constexpr std::array<std::string_view, 2> kLanguageCodes = {"de", "en"};

size_t IndexOf(TOperatorLanguage language) {
  return language == TOperatorLanguage::GERMAN ? 0 : 1;
}

bool IsOperatorKey(std::string_view key) {
  return std::find(TOperatorTexts::kKeys.begin(), TOperatorTexts::kKeys.end(), key) !=
         TOperatorTexts::kKeys.end();
}

// A text is a non-empty string or a non-empty array of non-empty strings.
bool ReadParts(const nlohmann::json& value, std::vector<std::string>& parts) {
  if (value.is_string()) {
    parts.push_back(value.get<std::string>());
  } else if (value.is_array() && !value.empty()) {
    for (const nlohmann::json& line : value) {
      if (!line.is_string()) {
        return false;
      }
      parts.push_back(line.get<std::string>());
    }
  } else {
    return false;
  }
  return std::none_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
}

}  // namespace

TOperatorTexts TOperatorTexts::Parse(std::string_view json) {
  TOperatorTexts texts;
  nlohmann::json root;
  try {
    root = nlohmann::json::parse(json);
  } catch (const nlohmann::json::exception& e) {
    texts.FProblems.push_back(std::string("invalid JSON: ") + e.what());
  }
  if (texts.FProblems.empty() && !root.is_object()) {
    texts.FProblems.push_back("the file must hold one JSON object");
  }
  if (!texts.FProblems.empty()) {
    return texts;
  }

  for (const auto& [key, entry] : root.items()) {
    // Members beginning with "_" are notes for the operator.
    if (key.starts_with("_")) {
      continue;
    }
    if (!IsOperatorKey(key)) {
      texts.FProblems.push_back("unknown key '" + key + "'");
    }
  }
  for (std::string_view key : kKeys) {
    auto entry = root.find(key);
    if (entry == root.end()) {
      texts.FProblems.push_back("missing key '" + std::string(key) + "'");
      continue;
    }
    for (size_t i = 0; i < kLanguageCodes.size(); ++i) {
      const std::string code(kLanguageCodes[i]);
      const std::string where = "key '" + std::string(key) + "', language '" + code + "'";
      if (!entry->is_object() || !entry->contains(code)) {
        texts.FProblems.push_back(where + ": missing");
        continue;
      }
      std::vector<std::string> parts;
      if (!ReadParts(entry->at(code), parts)) {
        texts.FProblems.push_back(where + ": needs a non-empty text or array of non-empty lines");
        continue;
      }
      texts.FParts[i].Add(std::string(key), std::move(parts));
    }
  }
  return texts;
}

const TOperatorTexts& TOperatorTexts::Embedded() {
  static const TOperatorTexts texts = Parse(EmbeddedOperatorTextsJson());
  return texts;
}

const std::vector<std::string>& TOperatorTexts::Parts(std::string_view key,
                                                      TOperatorLanguage language) const {
  static const std::vector<std::string> kNone;
  const std::vector<std::string>* parts = FParts[IndexOf(language)].Find(key);
  return parts == nullptr ? kNone : *parts;
}

std::string TOperatorTexts::Text(std::string_view key, TOperatorLanguage language) const {
  const std::vector<std::string>& parts = Parts(key, language);
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) {
      text += kComposedTextSeparator;
    }
    text += parts[i];
  }
  return text;
}

}  // namespace vek
