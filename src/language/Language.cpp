#include "language/Language.h"

#include <utility>

#include "language/DictionaryGerman.h"

namespace vek {

TLanguage::TLanguage() : FDictionary(std::make_shared<TDictionaryGerman>()) {}

TLanguage::TLanguage(std::shared_ptr<IDictionary> dictionary)
    : FDictionary(dictionary ? std::move(dictionary) : std::make_shared<TDictionaryGerman>()) {}

void TLanguage::SetDictionary(std::shared_ptr<IDictionary> dictionary) {
  if (dictionary) {
    FDictionary = std::move(dictionary);
  }
}

const std::string* TLanguage::FindText(std::string_view key) const {
  const std::string* text = FDictionary->GetDictionary().Find(key);
  return text == nullptr || text->empty() ? nullptr : text;
}

std::string TLanguage::PrintL(std::string_view key) const {
  const std::string* text = FindText(key);
  return text == nullptr ? std::string(kTranslationNotFound) : *text;
}

std::string TLanguage::PrintL(std::string_view key, const std::vector<std::string>& args) const {
  const std::string* text = FindText(key);
  return text == nullptr ? std::string(kTranslationNotFound) : FormatText(*text, args);
}

std::string FormatText(std::string_view format, const std::vector<std::string>& args) {
  std::string result;
  result.reserve(format.size());
  size_t nextArg = 0;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    const char next = i + 1 < format.size() ? format[i + 1] : '\0';
    if (c == '%' && next == '%') {
      result += '%';
      ++i;
    } else if (c == '%' && next == 's') {
      result += nextArg < args.size() ? args[nextArg] : std::string("%s");
      ++nextArg;
      ++i;
    } else {
      result += c;
    }
  }
  return result;
}

TLanguage& Language() {
  static TLanguage language;
  return language;
}

}  // namespace vek
