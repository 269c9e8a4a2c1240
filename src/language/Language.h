#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "language/Dictionary.h"

namespace vek {

// Shown in place of a text whose key is missing or whose text is empty.
inline constexpr std::string_view kTranslationNotFound = "Translation not found!";

// Looks texts up by key in the current language table.
class TLanguage {
 public:
  // With a new German table.
  TLanguage();
  // With the given table; a null table gives a new German one, so that a
  // language object always has a table.
  explicit TLanguage(std::shared_ptr<IDictionary> dictionary);

  // Replaces the current table; a null argument is ignored. The previous
  // table is released when its last holder lets it go.
  void SetDictionary(std::shared_ptr<IDictionary> dictionary);
  const std::shared_ptr<IDictionary>& GetDictionary() const { return FDictionary; }

  // The text of the key, or kTranslationNotFound.
  std::string PrintL(std::string_view key) const;
  // The text of the key with its "%s" placeholders filled from args (see FormatText).
  std::string PrintL(std::string_view key, const std::vector<std::string>& args) const;

 private:
  // The text of the key; null when it is missing or empty.
  const std::string* FindText(std::string_view key) const;

  std::shared_ptr<IDictionary> FDictionary;
};

// Fills the "%s" placeholders of format with args in order; "%%" gives "%".
// Surplus arguments are ignored. A placeholder without an argument stays as
// "%s" in the result, so that the gap shows; any other "%" is kept as it is.
std::string FormatText(std::string_view format, const std::vector<std::string>& args);

// The program's language object; German until a table is set.
TLanguage& Language();

}  // namespace vek
