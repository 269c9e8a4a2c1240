#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/KeyTable.h"

namespace vek {

// Key-to-text map of one language; it keeps the order in which it was filled.
using TDictionaryMap = TKeyTable<std::string>;

// One language table. Language objects share their table through
// std::shared_ptr<IDictionary>; a table lives as long as someone holds it.
class IDictionary {
 public:
  virtual ~IDictionary() = default;
  virtual const TDictionaryMap& GetDictionary() const = 0;
};

// Separator of the texts that are composed of several lines: line feed
// followed by carriage return, in this order.
inline constexpr std::string_view kComposedTextSeparator = "\n\r";

// Joins the parts with kComposedTextSeparator.
std::string ComposeText(std::initializer_list<std::string_view> parts);

struct TDictionaryEntry {
  std::string_view Key;
  std::string Text;
};

// Adds the entries in their order; a key given twice raises EDuplicateKey.
void FillDictionary(TDictionaryMap& dictionary, std::initializer_list<TDictionaryEntry> entries);

}  // namespace vek
