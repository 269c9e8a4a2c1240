#include "language/Dictionary.h"

namespace vek {

std::string ComposeText(std::initializer_list<std::string_view> parts) {
  std::string text;
  bool first = true;
  for (std::string_view part : parts) {
    if (!first) {
      text += kComposedTextSeparator;
    }
    text += part;
    first = false;
  }
  return text;
}

void FillDictionary(TDictionaryMap& dictionary, std::initializer_list<TDictionaryEntry> entries) {
  for (const TDictionaryEntry& entry : entries) {
    dictionary.Add(std::string(entry.Key), entry.Text);
  }
}

}  // namespace vek
